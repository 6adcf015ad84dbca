#pragma once

namespace korventa {

// The program's entry: opens the main window and returns when the program
// ends through its exit question.
int ProgramMain(int argc, char** argv);

} // namespace korventa
