#include "quizwords.h"

#include "text.h"

namespace korventa {

namespace {

const QuizWord Test1VariantI[WordsPerTest] = {
    {u"файл", {22, 1, 11, 13}},      {u"архив", {1, 18, 23, 10, 3}},
    {u"папка", {17, 1, 17, 12, 1}},  {u"ярлык", {33, 18, 13, 29, 12}},
    {u"вирус", {3, 10, 18, 21, 19}},
};

const QuizWord Test1VariantII[WordsPerTest] = {
    {u"алгоритм", {1, 13, 4, 16, 18, 10, 20, 14}},
    {u"массив", {14, 1, 19, 19, 10, 3}},
    {u"меню", {14, 6, 15, 32}},
    {u"интернет", {10, 15, 20, 6, 18, 15, 6, 20}},
    {u"каталог", {12, 1, 20, 1, 13, 16, 4}},
};

const QuizWord Test2Words[WordsPerTest] = {
    {u"Драйвер", {5, 18, 1, 11, 3, 6, 18}},
    {u"форма", {22, 16, 18, 14, 1}},
    {u"система", {19, 10, 19, 20, 6, 14, 1}},
    {u"частота", {25, 1, 19, 20, 16, 20, 1}},
    {u"диск", {5, 10, 19, 12}},
};

} // namespace

const QuizWord& test1Word(Test1Variant variant, int k)
{
    Q_ASSERT(k >= 1 && k <= WordsPerTest);
    return variant == Test1Variant::First ? Test1VariantI[k - 1] : Test1VariantII[k - 1];
}

const QuizWord& test2Word(int k)
{
    Q_ASSERT(k >= 1 && k <= WordsPerTest);
    return Test2Words[k - 1];
}

bool isRightTypedAnswer(const QString& typed, const QString& word)
{
    return common::lowerCaseAnswer(typed) == word;
}

bool slotsSpell(const SlotKeys& held, const FlagKeys& flags, const std::vector<int>& expected)
{
    if (expected.size() > held.size())
        return false;
    for (size_t k = 0; k < expected.size(); ++k) {
        const int n = expected[k];
        if (n < 1 || n > static_cast<int>(flags.size()))
            return false;
        // An empty slot (key 0) never matches, even a flag without a picture.
        if (held[k] == 0 || held[k] != flags[static_cast<size_t>(n - 1)])
            return false;
    }
    return true;
}

int firstEmptySlot(const SlotKeys& held)
{
    for (size_t k = 0; k < held.size(); ++k)
        if (held[k] == 0)
            return static_cast<int>(k) + 1;
    return 0;
}

} // namespace korventa
