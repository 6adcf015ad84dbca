#pragma once

#include "engine.h"
#include "referenceevaluator.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

// Works out a text the checker accepted and returns what is wrong with the
// result, or an empty string when all is well: every operand is a variable or
// an earlier caption, the answer the grid is checked against is the table with
// its last column headed "F", and the table agrees with the reference reading
// of the whole text (and, when asked, of every caption).
inline std::string engineFault(const std::string& text, bool everyCaption)
{
    const auto whole = reference::Expression::parse(text);
    if (!whole)
        return "the reference reading refuses a text the checker accepted";
    const auto answer = veritabula::BuildExerciseAnswer(text);
    if (!answer)
        return "no answer for a text the checker accepted";

    const veritabula::Solution solution = veritabula::SolveExpression(text);
    const veritabula::strarray& captions = solution.captions;
    const veritabula::strarray2d& operations = solution.operations;
    if (captions.size() != operations.size())
        return "captions and operations differ in length";
    if (!captions.empty() && (!captions[0].empty() || !operations[0].empty()))
        return "element 0 of a list is not empty";

    const veritabula::strarray& columns = solution.columns;
    const veritabula::table& truthTable = answer->truthTable;
    if (truthTable != solution.truthTable)
        return "the answer's table is not the table the engine built";
    if (answer->captions.size() != columns.size() || answer->captions.back() != "F" ||
        !std::equal(columns.begin(), columns.end() - 1, answer->captions.begin()))
        return "the answer's header is not the column list with the last one \"F\"";

    std::size_t n = 0;
    while (n + 1 < columns.size() && columns[n + 1].size() == 1 && columns[n + 1][0] >= 'A' &&
           columns[n + 1][0] <= 'Z')
        ++n;
    const std::size_t k = captions.empty() ? 0 : captions.size() - 1;
    if (columns.size() != n + k + 1 || truthTable.size() != columns.size())
        return "the column list does not hold the variables and the captions";
    if (columns.size() < 2)
        return "no column at all";

    auto isEarlier = [&](const std::string& operand, std::size_t op) {
        for (std::size_t c = 1; c <= n; ++c) {
            if (columns[c] == operand)
                return true;
        }
        for (std::size_t j = 1; j < op; ++j) {
            if (captions[j] == operand)
                return true;
        }
        return false;
    };
    for (std::size_t op = 1; op <= k; ++op) {
        const veritabula::strarray& row = operations[op];
        if (row.size() != 4 || !row[0].empty())
            return "operation " + std::to_string(op) + " is not a row of four";
        const bool unary = row[1] == std::string(1, veritabula::Negation);
        if (!unary && row[1] != "*" && row[1] != "+" && row[1] != "<>" && row[1] != "=>" &&
            row[1] != "<->")
            return "operation " + std::to_string(op) + " has the token " + row[1];
        if (!isEarlier(row[3], op) || (unary ? !row[2].empty() : !isEarlier(row[2], op)))
            return "an operand of " + captions[op] +
                   " is neither a variable nor an earlier caption";
    }

    const std::size_t rows = std::size_t{1} << n;
    auto letters = [&](std::size_t r) {
        uint32_t bits = 0;
        for (std::size_t i = 1; i <= n; ++i) {
            if (((r - 1) >> (n - i)) & 1U)
                bits |= 1U << (columns[i][0] - 'A');
        }
        return bits;
    };
    for (std::size_t c = 1; c < columns.size(); ++c) {
        if (truthTable[c].size() != rows + 1 || truthTable[c][0] != 0)
            return "column " + std::to_string(c) + " has the wrong shape";
    }
    for (std::size_t r = 1; r <= rows; ++r) {
        if (truthTable.back()[r] != (whole->value(letters(r)) ? 1 : 0))
            return "the last column is wrong in row " + std::to_string(r);
    }
    if (everyCaption) {
        for (std::size_t c = n + 1; c < columns.size(); ++c) {
            const auto part = reference::Expression::parse(columns[c]);
            if (!part)
                return "caption " + columns[c] + " is not an expression";
            for (std::size_t r = 1; r <= rows; ++r) {
                if (truthTable[c][r] != (part->value(letters(r)) ? 1 : 0))
                    return "column " + columns[c] + " is wrong in row " + std::to_string(r);
            }
        }
    }
    return std::string();
}
