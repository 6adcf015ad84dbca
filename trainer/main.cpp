#include "program.h"

int main(int argc, char** argv)
{
    return veritabula::ProgramMain(argc, argv);
}
