#pragma once

#include "flags.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

namespace korventa {

constexpr int SlotCount = 8;
// Each test, and each variant of Test 1, has this many words.
constexpr int WordsPerTest = 5;

struct QuizWord
{
    const char16_t* word;
    std::vector<int> flags; // places in the flag alphabet, for slots 1, 2, ...
};

enum class Test1Variant { First, Second };

// Word K (1 to 5) of Test 1 in the given variant, stored in lower case.
const QuizWord& test1Word(Test1Variant variant, int k);

// Word K (1 to 5) of Test 2, as Label34 shows it.
const QuizWord& test2Word(int k);

// A typed answer of Test 1 is right when, lower-cased and nothing else, it is the word.
bool isRightTypedAnswer(const QString& typed, const QString& word);

// What the eight slots hold, as picture keys from slot 1 on; 0 is an empty slot.
using SlotKeys = std::array<qint64, SlotCount>;
// The picture keys of flags 1 to 33, at index N - 1.
using FlagKeys = std::array<qint64, FlagCount>;

// Test 2's check: slot k holds flag f(k) for every letter of the word; slots
// after the word are not looked at.
bool slotsSpell(const SlotKeys& held, const FlagKeys& flags, const std::vector<int>& expected);

// The slot a flag click fills: the lowest-numbered empty one (1 to 8), 0 when all are full.
int firstEmptySlot(const SlotKeys& held);

} // namespace korventa
