#include "engine.h"

#include <cstddef>
#include <vector>

namespace veritabula {

namespace {

// Unicode code points of Windows-1251 bytes 0x80..0xBF; 0 marks the one
// unassigned byte.
constexpr char16_t UpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char16_t codePointOf(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return static_cast<char16_t>(0x0410 + (byte - 0xC0));
    return UpperHalf[byte - 0x80];
}

std::string utf8(char16_t code)
{
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

std::string quoted(const std::string& text)
{
    return "«" + text + "»";
}

// How a character the expression cannot hold is named to the pupil.
std::string describe(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte == ' ')
        return "пробел";
    const char16_t code = codePointOf(byte);
    if (byte < 0x20 || byte == 0x7F || code == 0 || code == 0x00A0 || code == 0x00AD)
        return "символ с кодом " + std::to_string(byte);
    return "символ " + quoted(utf8(code));
}

std::string at(std::size_t index)
{
    return "В позиции " + std::to_string(index + 1) + " ";
}

// The two-operand operator that starts at i, or an empty string.
std::string operatorAt(const std::string& text, std::size_t i)
{
    const char c = text[i];
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (c == '*' || c == '+')
        return std::string(1, c);
    if (c == '=' && next == '>')
        return "=>";
    if (c == '<' && next == '>')
        return "<>";
    if (c == '<' && next == '-' && i + 2 < text.size() && text[i + 2] == '>')
        return "<->";
    return std::string();
}

bool isVariable(char c)
{
    return c >= 'A' && c <= 'Z';
}

enum class Before { Start, OpenParen, Operator, Negation };

class Checker
{
public:
    explicit Checker(const std::string& text) : text_(text) {}

    std::optional<ExpressionError> run()
    {
        if (text_.empty())
            return fail(0, "Выражение пустое: наберите хотя бы одну переменную.");
        std::size_t i = 0;
        while (i < text_.size()) {
            const std::optional<ExpressionError> error =
                expectingOperand_ ? operand(i) : afterOperand(i);
            if (error)
                return error;
        }
        if (expectingOperand_)
            return missingOperand(text_.size());
        if (!opens_.empty())
            return fail(opens_.front(), "скобка «(» не закрыта.");
        return std::nullopt;
    }

private:
    std::optional<ExpressionError> fail(std::size_t index, const std::string& what) const
    {
        if (text_.empty())
            return ExpressionError{1, what};
        return ExpressionError{static_cast<int>(index) + 1, at(index) + what};
    }

    // Something other than an operand stands at index where one is needed.
    std::optional<ExpressionError> missingOperand(std::size_t index) const
    {
        switch (before_) {
        case Before::Operator:
            return fail(lastOperator_,
                        "после операции " + quoted(lastOperatorText_) + " нет операнда.");
        case Before::Negation:
            return fail(lastNegation_, "после знака отрицания «¬» нет операнда.");
        case Before::OpenParen:
            if (index >= text_.size())
                return fail(opens_.back(), "скобка «(» не закрыта.");
            break;
        case Before::Start:
            break;
        }
        if (text_[index] == ')')
            return fail(index, "лишняя закрывающая скобка «)».");
        return fail(index,
                    "перед операцией " + quoted(operatorAt(text_, index)) + " нет операнда.");
    }

    // token: the operation as the pupil sees it, in UTF-8.
    std::optional<ExpressionError> countOperation(std::size_t i, const std::string& token)
    {
        if (++operations_ <= MaxOperations)
            return std::nullopt;
        return fail(i, "лишняя операция " + quoted(token) + ": в выражении может быть не больше " +
                           std::to_string(MaxOperations) +
                           " операций, иначе таблица выйдет слишком большой.");
    }

    std::optional<ExpressionError> operand(std::size_t& i)
    {
        const char c = text_[i];
        if (isVariable(c)) {
            const int index = c - 'A';
            if (!seen_[index]) {
                seen_[index] = true;
                if (++variables_ > MaxVariables)
                    return fail(i, "лишняя переменная " + quoted(std::string(1, c)) +
                                       ": в выражении может быть не больше " +
                                       std::to_string(MaxVariables) + " разных переменных.");
            }
            expectingOperand_ = false;
            ++i;
            return std::nullopt;
        }
        if (c == Negation) {
            if (before_ == Before::Negation)
                return fail(lastNegation_,
                            "два знака отрицания подряд; если так и задумано, напишите ¬(¬A).");
            if (const auto error = countOperation(i, "¬"))
                return error;
            before_ = Before::Negation;
            lastNegation_ = i;
            ++i;
            return std::nullopt;
        }
        if (c == '(') {
            if (i + 1 < text_.size() && text_[i + 1] == ')')
                return fail(i, "пустые скобки «()».");
            opens_.push_back(i);
            before_ = Before::OpenParen;
            ++i;
            return std::nullopt;
        }
        if (c == ')' || !operatorAt(text_, i).empty())
            return missingOperand(i);
        return fail(i, "недопустимый " + describe(c) + ".");
    }

    std::optional<ExpressionError> afterOperand(std::size_t& i)
    {
        const char c = text_[i];
        const std::string token = operatorAt(text_, i);
        if (!token.empty()) {
            if (const auto error = countOperation(i, token))
                return error;
            expectingOperand_ = true;
            before_ = Before::Operator;
            lastOperator_ = i;
            lastOperatorText_ = token;
            i += token.size();
            return std::nullopt;
        }
        if (c == ')') {
            if (opens_.empty())
                return fail(i, "лишняя закрывающая скобка «)».");
            const std::size_t open = opens_.back();
            opens_.pop_back();
            // A group whose whole inside is another group: "((A+B))".
            if (i > 0 && text_[i - 1] == ')' && lastGroupOpen_ == open + 1)
                return fail(open, "лишние скобки вокруг группы: уберите одну пару.");
            lastGroupOpen_ = open;
            ++i;
            return std::nullopt;
        }
        if (isVariable(c) || c == Negation || c == '(')
            return fail(i, "между операндами нет знака операции.");
        return fail(i, "недопустимый " + describe(c) + ".");
    }

    const std::string& text_;
    bool expectingOperand_ = true;
    Before before_ = Before::Start;
    std::size_t lastOperator_ = 0;
    std::string lastOperatorText_;
    std::size_t lastNegation_ = 0;
    std::vector<std::size_t> opens_;
    std::size_t lastGroupOpen_ = static_cast<std::size_t>(-1);
    bool seen_[26] = {};
    int variables_ = 0;
    int operations_ = 0;
};

} // namespace

std::optional<ExpressionError> CheckExpression(const std::string& canonical)
{
    return Checker(canonical).run();
}

} // namespace veritabula
