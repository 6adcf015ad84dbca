#pragma once

namespace figurinex {

class Form1;

// The quiz window, the one window open at start.
extern Form1* quizWindow;

// The program's entry: returns when the last window closes.
int ProgramMain(int argc, char** argv);

} // namespace figurinex
