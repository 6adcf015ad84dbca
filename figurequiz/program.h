#pragma once

namespace figurinex {

// The program's entry: opens the quiz window and returns when the last window
// closes.
int ProgramMain(int argc, char** argv);

} // namespace figurinex
