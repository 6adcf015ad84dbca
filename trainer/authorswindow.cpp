#include "authorswindow.h"

namespace veritabula {

TFormInfo::TFormInfo()
{
    setWindowTitle(QStringLiteral("Об авторах"));
}

} // namespace veritabula
