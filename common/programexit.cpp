#include "programexit.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace common {

namespace {

ExitHandler& currentHandler()
{
    static ExitHandler handler;
    return handler;
}

} // namespace

void exitProgram(int code)
{
    if (currentHandler())
        currentHandler()(code);
    // A handler that returns still must not let the caller go on.
    std::fflush(nullptr);
    std::exit(code);
}

ExitHandler setExitHandler(ExitHandler handler)
{
    ExitHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

ProgramExit::ProgramExit(int exitCode)
    : std::runtime_error("program ended with code " + std::to_string(exitCode)), code(exitCode)
{
}

ProgramExitCatcher::ProgramExitCatcher()
{
    previous_ = setExitHandler([this](int code) {
        ++exits;
        lastCode = code;
        throw ProgramExit(code);
    });
}

ProgramExitCatcher::~ProgramExitCatcher()
{
    setExitHandler(std::move(previous_));
}

} // namespace common
