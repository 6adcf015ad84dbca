#include "ipsettings.h"
