#include "engine.h"

namespace veritabula {

std::string NormalizeExpression(const std::string& text)
{
    return text;
}

void ParseExpression(const std::string&, strarray&, strarray2d&) {}
void DeleteStrItem(strarray&, int) {}
void DeleteStrArrayItem(strarray2d&, int) {}
void RemoveDuplicateOperations(strarray&, strarray2d&) {}
void BuildTruthTable(const std::string&, const strarray&, const strarray2d&, strarray&, table&) {}

std::optional<ExpressionError> CheckExpression(const std::string&)
{
    return std::nullopt;
}

} // namespace veritabula
