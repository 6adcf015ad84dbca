#include "program.h"

int main(int argc, char** argv)
{
    return figurinex::ProgramMain(argc, argv);
}
