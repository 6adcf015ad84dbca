#include "engine.h"

#include <cstddef>
#include <utility>

namespace veritabula {

namespace {

// Upper case as Windows-1251 knows it: Latin and Cyrillic letters only.
char upperCase1251(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z')
        return static_cast<char>(byte - 32);
    if (byte >= 0xE0)
        return static_cast<char>(byte - 32);
    switch (byte) {
    case 0x83:
        return '\x81';
    case 0x90:
        return '\x80';
    case 0x9A:
        return '\x8A';
    case 0x9C:
        return '\x8C';
    case 0x9D:
        return '\x8D';
    case 0x9E:
        return '\x8E';
    case 0x9F:
        return '\x8F';
    case 0xA2:
        return '\xA1';
    case 0xB3:
        return '\xB2';
    case 0xB4:
        return '\xA5';
    case 0xB8:
        return '\xA8';
    case 0xBA:
        return '\xAA';
    case 0xBC:
        return '\xA3';
    case 0xBE:
        return '\xBD';
    case 0xBF:
        return '\xAF';
    default:
        return c;
    }
}

} // namespace

std::string NormalizeExpression(const std::string& text)
{
    std::string result;
    result.reserve(text.size() * 2);
    const std::size_t n = text.size();
    // Looking past the end sees no character, so every comparison there fails.
    auto at = [&](std::size_t i) { return i < n ? text[i] : '\0'; };
    std::size_t p = 0;
    while (p < n) {
        const char c = text[p];
        if (c == '&') {
            result += '*';
            p += 1;
        } else if (c == '\\' && at(p + 1) == '/') {
            result += '+';
            p += 2;
        } else if (c == '/' && at(p + 1) == '\\') {
            result += '*';
            p += 2;
        } else if (c == 'V') {
            result += '+';
            p += 1;
        } else if (c == '-' && at(p + 1) != '>') {
            result += Negation;
            p += 1;
        } else if (c == '<' && at(p + 1) == '-' && at(p + 2) == '>') {
            result += "<->";
            p += 3;
        } else if (c == '<' && at(p + 1) == '=' && at(p + 2) == '>') {
            result += "<->";
            p += 3;
        } else if (c == '=' && at(p + 1) != '>') {
            result += "<->";
            p += 1;
        } else if (c == '-' && at(p + 1) == '>') {
            result += "=>";
            p += 2;
        } else if (c == '=' && at(p + 1) == '>') {
            result += "=>";
            p += 2;
        } else if (c == '<' && at(p + 1) == '>') {
            result += "<>";
            p += 2;
        } else if (c == '<') {
            // A "<" that starts no operator is dropped.
            p += 1;
        } else {
            result += upperCase1251(c);
            p += 1;
        }
    }
    return result;
}

void DeleteStrItem(strarray& list, int k)
{
    if (k < 0 || static_cast<std::size_t>(k) >= list.size())
        return;
    list.erase(list.begin() + k);
}

void DeleteStrArrayItem(strarray2d& list, int k)
{
    if (k < 0 || static_cast<std::size_t>(k) >= list.size())
        return;
    list.erase(list.begin() + k);
}

void RemoveDuplicateOperations(strarray& captions, strarray2d& operations)
{
    // The lists shrink as repeats go, so the bounds are read afresh each time.
    for (std::size_t i = 1; i + 1 < captions.size(); ++i) {
        std::size_t j = i + 1;
        while (j < captions.size()) {
            if (captions[j] == captions[i]) {
                DeleteStrItem(captions, static_cast<int>(j));
                DeleteStrArrayItem(operations, static_cast<int>(j));
            } else {
                ++j;
            }
        }
    }
}

namespace {

// Index of the first column headed exactly by text, or 0 when there is none.
std::size_t findColumn(const strarray& columns, const std::string& text)
{
    for (std::size_t c = 1; c < columns.size(); ++c) {
        if (columns[c] == text)
            return c;
    }
    return 0;
}

} // namespace

void BuildTruthTable(const std::string& expression, const strarray& captions,
                     const strarray2d& operations, strarray& columns, table& truthTable)
{
    columns.clear();
    truthTable.clear();

    bool seen[26] = {};
    strarray variables;
    for (const char c : expression) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 'A' || byte > 'Z' || seen[byte - 'A'])
            continue;
        seen[byte - 'A'] = true;
        if (variables.empty())
            variables.emplace_back();
        variables.emplace_back(1, c);
    }
    const std::size_t n = variables.empty() ? 0 : variables.size() - 1;
    const std::size_t k = captions.empty() ? 0 : captions.size() - 1;
    const std::size_t columnCount = n + k;
    const std::size_t rows = std::size_t{1} << n;

    columns.reserve(columnCount + 1);
    columns.emplace_back();
    for (std::size_t i = 1; i <= n; ++i)
        columns.push_back(variables[i]);
    for (std::size_t i = 1; i <= k; ++i)
        columns.push_back(captions[i]);

    truthTable.resize(columnCount + 1);
    for (std::size_t c = 1; c <= columnCount; ++c)
        truthTable[c].assign(rows + 1, 0);

    // Row r holds the binary digits of r - 1, the first variable the most significant.
    for (std::size_t i = 1; i <= n; ++i) {
        std::vector<int32_t>& column = truthTable[i];
        const std::size_t shift = n - i;
        for (std::size_t r = 1; r <= rows; ++r)
            column[r] = static_cast<int32_t>(((r - 1) >> shift) & 1U);
    }

    for (std::size_t op = 1; op <= k; ++op) {
        // A row that is not a whole operation, or an operand that names no
        // column, leaves the column at 0 rather than reading anything undefined.
        if (op >= operations.size() || operations[op].size() < 4)
            continue;
        const strarray& row = operations[op];
        const std::string& token = row[1];
        const bool unary = token.size() == 1 && token[0] == Negation;
        const std::size_t right = findColumn(columns, row[3]);
        const std::size_t left = unary ? 0 : findColumn(columns, row[2]);
        if (right == 0 || (!unary && left == 0))
            continue;
        std::vector<int32_t>& out = truthTable[n + op];
        const std::vector<int32_t>& x = truthTable[right];
        if (unary) {
            for (std::size_t r = 1; r <= rows; ++r)
                out[r] = x[r] == 0 ? 1 : 0;
            continue;
        }
        const std::vector<int32_t>& l = truthTable[left];
        if (token == "*") {
            for (std::size_t r = 1; r <= rows; ++r)
                out[r] = (l[r] == 1 && x[r] == 1) ? 1 : 0;
        } else if (token == "+") {
            for (std::size_t r = 1; r <= rows; ++r)
                out[r] = (l[r] == 0 && x[r] == 0) ? 0 : 1;
        } else if (token == "=>") {
            for (std::size_t r = 1; r <= rows; ++r)
                out[r] = (l[r] == 1 && x[r] == 0) ? 0 : 1;
        } else if (token == "<->") {
            for (std::size_t r = 1; r <= rows; ++r)
                out[r] = l[r] == x[r] ? 1 : 0;
        } else if (token == "<>") {
            for (std::size_t r = 1; r <= rows; ++r)
                out[r] = l[r] != x[r] ? 1 : 0;
        }
    }
}

Solution SolveExpression(const std::string& text)
{
    Solution solution;
    ParseExpression(text, solution.captions, solution.operations);
    RemoveDuplicateOperations(solution.captions, solution.operations);
    BuildTruthTable(text, solution.captions, solution.operations, solution.columns,
                    solution.truthTable);
    return solution;
}

int ExerciseAnswer::columnCount() const
{
    return truthTable.empty() ? 0 : static_cast<int>(truthTable.size()) - 1;
}

int ExerciseAnswer::rowCount() const
{
    return truthTable.size() > 1 ? static_cast<int>(truthTable[1].size()) - 1 : 0;
}

std::optional<ExerciseAnswer> BuildExerciseAnswer(const std::string& normalised)
{
    if (CheckExpression(normalised))
        return std::nullopt;
    Solution solution = SolveExpression(normalised);
    // A text the check passes has a variable, so at least one column of two rows.
    if (solution.truthTable.size() < 2 || solution.truthTable[1].size() < 2 ||
        solution.columns.size() < solution.truthTable.size())
        return std::nullopt;
    ExerciseAnswer answer{std::move(solution.columns), std::move(solution.truthTable)};
    answer.captions[answer.truthTable.size() - 1] = "F";
    return answer;
}

} // namespace veritabula
