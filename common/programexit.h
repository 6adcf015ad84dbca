#pragma once

#include <functional>
#include <stdexcept>

namespace common {

// Ends the program at once. The default ends the process; a test installs its
// own handler (see ProgramExitCatcher) to observe the exit instead.
[[noreturn]] void exitProgram(int code);

using ExitHandler = std::function<void(int)>;
ExitHandler setExitHandler(ExitHandler handler);

// Thrown by the test handler so that the code after exitProgram never runs.
class ProgramExit : public std::runtime_error
{
public:
    explicit ProgramExit(int code);
    int code;
};

// For tests: while it lives, exitProgram records the code and throws
// ProgramExit; a test calls the handler directly and expects the throw.
class ProgramExitCatcher
{
public:
    ProgramExitCatcher();
    ~ProgramExitCatcher();
    ProgramExitCatcher(const ProgramExitCatcher&) = delete;
    ProgramExitCatcher& operator=(const ProgramExitCatcher&) = delete;

    int exits = 0;
    int lastCode = -1;

private:
    ExitHandler previous_;
};

} // namespace common
