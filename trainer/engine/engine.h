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

struct ExpressionError
{
    int position;        // 1-based, in the canonical text
    std::string message; // Russian, UTF-8
};
std::optional<ExpressionError> CheckExpression(const std::string& canonical);

} // namespace veritabula
