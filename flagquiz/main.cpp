#include "program.h"

int main(int argc, char** argv)
{
    return korventa::ProgramMain(argc, argv);
}
