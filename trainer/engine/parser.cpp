#include "engine.h"

#include <algorithm>
#include <cstddef>

namespace veritabula {

namespace {

// A piece of the text, first to last position inclusive. Every fragment is
// contiguous: the walk that collects it closes it at the first character
// that leaves its depth.
struct Fragment
{
    std::size_t first;
    std::size_t last;
};

class Parser
{
public:
    Parser(const std::string& text, strarray& captions, strarray2d& operations)
        : text_(text), marks_(text.size(), false), captions_(captions), operations_(operations)
    {
    }

    void run()
    {
        if (text_.empty())
            return;
        const int deepest = depth();
        for (int level = deepest; level >= 1; --level) {
            for (const Fragment& fragment : fragmentsAt(level))
                handle(fragment);
        }
        handle(Fragment{0, text_.size() - 1});
    }

private:
    int depth() const
    {
        int d = 0;
        int deepest = 0;
        for (const char c : text_) {
            if (c == '(')
                ++d;
            else if (c == ')')
                --d;
            if (d > deepest)
                deepest = d;
        }
        return deepest;
    }

    // The insides of the groups at nesting depth level, deeper groups kept
    // whole; a pair with nothing inside gives no fragment.
    std::vector<Fragment> fragmentsAt(int level) const
    {
        std::vector<Fragment> fragments;
        int d = 0;
        bool open = false;
        Fragment current{0, 0};
        for (std::size_t i = 0; i < text_.size(); ++i) {
            const char c = text_[i];
            if (c == ')')
                --d;
            if (d >= level) {
                if (!open) {
                    current.first = i;
                    open = true;
                }
                current.last = i;
            }
            if (c == '(')
                ++d;
            if (d < level && open) {
                fragments.push_back(current);
                open = false;
            }
        }
        return fragments;
    }

    void handle(const Fragment& fragment)
    {
        for (int pass = 1; pass <= 4; ++pass) {
            int opens = 0;
            int closes = 0;
            for (std::size_t b = fragment.first; b <= fragment.last; ++b) {
                const char c = text_[b];
                if (c == '(')
                    ++opens;
                else if (c == ')')
                    ++closes;
                if (opens != closes)
                    continue;
                const char next = b < fragment.last ? text_[b + 1] : '\0';
                switch (pass) {
                case 1:
                    if (c == Negation)
                        negation(fragment, b);
                    break;
                case 2:
                    if (c == '*')
                        binary(fragment, b, "*");
                    break;
                case 3:
                    if (c == '+')
                        binary(fragment, b, "+");
                    else if (c == '<' && next == '>')
                        binary(fragment, b, "<>");
                    break;
                default:
                    if (c == '=')
                        binary(fragment, b, "=>");
                    else if (c == '<' && next == '-')
                        binary(fragment, b, "<->");
                    break;
                }
            }
        }
    }

    // Position of the ")" that closes the "(" at open, or the fragment's last
    // position when the group is never closed inside it.
    std::size_t closingOf(std::size_t open, std::size_t limit) const
    {
        int d = 0;
        for (std::size_t i = open; i <= limit; ++i) {
            if (text_[i] == '(')
                ++d;
            else if (text_[i] == ')' && --d == 0)
                return i;
        }
        return limit;
    }

    std::size_t openingOf(std::size_t close, std::size_t limit) const
    {
        int d = 0;
        for (std::size_t i = close + 1; i-- > limit;) {
            if (text_[i] == ')')
                ++d;
            else if (text_[i] == '(' && --d == 0)
                return i;
        }
        return limit;
    }

    void mark(std::size_t from, std::size_t to)
    {
        for (std::size_t i = from; i <= to; ++i)
            marks_[i] = true;
    }

    void append(const std::string& caption, const std::string& token, const std::string& left,
                const std::string& right)
    {
        if (captions_.empty())
            captions_.emplace_back();
        if (operations_.empty())
            operations_.emplace_back();
        captions_.push_back(caption);
        operations_.push_back(strarray{std::string(), token, left, right});
    }

    void negation(const Fragment& fragment, std::size_t b)
    {
        marks_[b] = true;
        const std::string sign(1, Negation);
        if (b == fragment.last) {
            // Nothing follows the sign inside its fragment.
            append(sign, sign, std::string(), std::string());
            return;
        }
        const std::size_t next = b + 1;
        marks_[next] = true;
        if (text_[next] != '(') {
            append(sign + text_[next], sign, std::string(), std::string(1, text_[next]));
            return;
        }
        const std::size_t close = closingOf(next, fragment.last);
        mark(next, close);
        const std::string group = text_.substr(next, close - next + 1);
        const bool closed = text_[close] == ')' && close > next;
        const std::string inside = text_.substr(next + 1, closed ? close - next - 1 : close - next);
        append(sign + group, sign, std::string(), inside);
    }

    void binary(const Fragment& fragment, std::size_t b, const std::string& token)
    {
        const std::size_t t = token.size();
        const bool hasLeft = b > fragment.first;
        const bool hasRight = b + t <= fragment.last;
        mark(hasLeft ? b - 1 : b, std::min(b + t, fragment.last));
        if (hasRight && text_[b + t] == '(')
            mark(b + t, closingOf(b + t, fragment.last));
        if (hasLeft && text_[b - 1] == ')')
            mark(openingOf(b - 1, fragment.first), b - 1);

        std::string left;
        if (hasLeft) {
            std::size_t start = b - 1;
            while (start > 0 && marks_[start - 1])
                --start;
            left = text_.substr(start, b - start);
        }
        std::string right;
        if (hasRight) {
            std::size_t end = b + t;
            while (end + 1 < text_.size() && marks_[end + 1])
                ++end;
            right = text_.substr(b + t, end - (b + t) + 1);
        }
        append(left + token + right, token, withoutEnclosingPair(left),
               withoutEnclosingPair(right));
    }

    // Drops one pair of parentheses when the operand's first "(" is closed by
    // its last character.
    static std::string withoutEnclosingPair(const std::string& operand)
    {
        if (operand.size() < 2 || operand.front() != '(')
            return operand;
        int d = 0;
        for (std::size_t i = 0; i < operand.size(); ++i) {
            if (operand[i] == '(')
                ++d;
            else if (operand[i] == ')' && --d == 0)
                return i + 1 == operand.size() ? operand.substr(1, operand.size() - 2) : operand;
        }
        return operand;
    }

    const std::string& text_;
    std::vector<bool> marks_;
    strarray& captions_;
    strarray2d& operations_;
};

} // namespace

void ParseExpression(const std::string& text, strarray& captions, strarray2d& operations)
{
    Parser(text, captions, operations).run();
}

} // namespace veritabula
