#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The expression engine works on Windows-1251 byte strings. It keeps its own
// byte tables for the code page (upper case, the names of characters) because
// it is plain C++: the fuzz build links it without Qt.
namespace veritabula {

// The negation sign "¬" in Windows-1251.
constexpr char Negation = '\xAC';

using strarray = std::vector<std::string>;       // used from index 1, element 0 empty
using strarray2d = std::vector<strarray>;        // rows of four strings: "", token, left, right
using table = std::vector<std::vector<int32_t>>; // [column][row], both from 1

std::string NormalizeExpression(const std::string& text);
void ParseExpression(const std::string& text, strarray& captions, strarray2d& operations);
void DeleteStrItem(strarray& list, int k);
void DeleteStrArrayItem(strarray2d& list, int k);
void RemoveDuplicateOperations(strarray& captions, strarray2d& operations);
void BuildTruthTable(const std::string& expression, const strarray& captions,
                     const strarray2d& operations, strarray& columns, table& truthTable);

// The most the check lets through. Each operation is a column of the grid the
// pupil fills in; together with the ten variables this keeps the grid one a
// pupil can fill.
constexpr int MaxVariables = 10;
constexpr int MaxOperations = 30;

struct ExpressionError
{
    int position;        // 1-based, in the canonical text
    std::string message; // Russian, UTF-8
};
std::optional<ExpressionError> CheckExpression(const std::string& canonical);

// A text worked out by the steps after the check: its operations, repeats
// removed, and the truth table over the column list (the variables in order of
// first appearance, then the operations' captions in order of evaluation).
struct Solution
{
    strarray captions;
    strarray2d operations;
    strarray columns;
    table truthTable;
};

// Parses the text, removes repeated operations and builds the table. Safe on
// any text, but the table has 2^n rows for n distinct letters.
Solution SolveExpression(const std::string& text);

// What the pupil's grid is checked against: the expected header of each column
// 1..C, the column list with its last entry replaced by "F", and the expected
// 0 or 1 of each column 1..C and row 1..R.
struct ExerciseAnswer
{
    strarray captions;
    table truthTable;

    int columnCount() const; // C
    int rowCount() const;    // R
};

// The answer for a normalised text, or nothing when the check refuses it. The
// builder would give a table for any text (an operand that names no column
// just leaves its column at 0, and every variable doubles the rows), so only
// what the keypad lets through is built.
std::optional<ExerciseAnswer> BuildExerciseAnswer(const std::string& normalised);

} // namespace veritabula
