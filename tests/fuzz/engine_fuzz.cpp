#include "engine.h"
#include "engineproperty.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void fault(const std::string& text, const std::string& what)
{
    std::fprintf(stderr, "engine fault on \"%s\": %s\n", text.c_str(), what.c_str());
    std::abort();
}

int nesting(const std::string& text)
{
    int d = 0;
    int deepest = 0;
    for (const char c : text) {
        d += c == '(' ? 1 : c == ')' ? -1 : 0;
        deepest = d > deepest ? d : deepest;
    }
    return deepest;
}

int distinctLetters(const std::string& text)
{
    bool seen[26] = {};
    int count = 0;
    for (const char c : text) {
        if (c >= 'A' && c <= 'Z' && !seen[c - 'A']) {
            seen[c - 'A'] = true;
            ++count;
        }
    }
    return count;
}

// The engine has to come through any text safely, whether or not it makes
// sense. The program works out only texts the check passed; an unchecked text
// is worked out here only while short, as its captions grow with the square of
// its length, and with no more letters than a table can take.
void runUnchecked(const std::string& text)
{
    if (text.size() > 1024)
        return;
    if (distinctLetters(text) <= veritabula::MaxVariables) {
        veritabula::SolveExpression(text);
        return;
    }
    veritabula::strarray captions;
    veritabula::strarray2d operations;
    veritabula::ParseExpression(text, captions, operations);
    veritabula::RemoveDuplicateOperations(captions, operations);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string raw(reinterpret_cast<const char*>(data), size);
    runUnchecked(raw);

    const std::string canonical = veritabula::NormalizeExpression(raw);
    const auto error = veritabula::CheckExpression(canonical);
    if (error) {
        const std::size_t last = canonical.empty() ? 1 : canonical.size();
        if (error->position < 1 || std::size_t(error->position) > last || error->message.empty())
            fault(canonical, "the error names no position in the text");
        // The reference reading recurses once per bracket; very deep texts
        // are left to the engine alone.
        if (nesting(canonical) <= 256 && reference::Expression::parse(canonical))
            fault(canonical, "refused a well-formed text: " + error->message);
        if (veritabula::BuildExerciseAnswer(canonical))
            fault(canonical, "an answer for a refused text: " + error->message);
        runUnchecked(canonical);
        return 0;
    }
    // A passing text is graded on every column, so every column must agree
    // with the reference reading.
    const std::string what = engineFault(canonical, true);
    if (!what.empty())
        fault(canonical, what);
    return 0;
}
