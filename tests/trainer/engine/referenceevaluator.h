#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A second, deliberately plain reading of canonical expressions, kept apart
// from the engine: recursive descent over the grammar the checker accepts,
// with "¬" above "*" above "+" and "<>" above "=>" and "<->", left to right.
namespace reference {

class Expression
{
public:
    static constexpr int MaxVariables = 10;
    static constexpr int MaxOperations = 30;

    // Nothing for a text the trainer must refuse.
    static std::optional<Expression> parse(const std::string& text)
    {
        Expression expression;
        Reader reader{text, expression.nodes_};
        const int root = reader.level(3);
        if (!reader.ok || root < 0 || reader.i != text.size())
            return std::nullopt;
        bool seen[26] = {};
        int count = 0;
        int operations = 0;
        for (const Node& node : expression.nodes_) {
            if (node.kind != Kind::Variable)
                ++operations;
            else if (!seen[node.letter]) {
                seen[node.letter] = true;
                ++count;
            }
        }
        if (count > MaxVariables || operations > MaxOperations)
            return std::nullopt;
        return expression;
    }

    // Bit k of letters is the value of the letter 'A' + k.
    bool value(uint32_t letters) const
    {
        std::vector<bool> values(nodes_.size());
        for (std::size_t i = 0; i < nodes_.size(); ++i) {
            const Node& node = nodes_[i];
            const bool l = node.left >= 0 && values[static_cast<std::size_t>(node.left)];
            const bool r = node.right >= 0 && values[static_cast<std::size_t>(node.right)];
            switch (node.kind) {
            case Kind::Variable:
                values[i] = (letters >> node.letter) & 1U;
                break;
            case Kind::Not:
                values[i] = !r;
                break;
            case Kind::And:
                values[i] = l && r;
                break;
            case Kind::Or:
                values[i] = l || r;
                break;
            case Kind::Xor:
                values[i] = l != r;
                break;
            case Kind::Implies:
                values[i] = !l || r;
                break;
            case Kind::Equivalent:
                values[i] = l == r;
                break;
            }
        }
        return values.back();
    }

private:
    enum class Kind { Variable, Not, And, Or, Xor, Implies, Equivalent };

    // Children always come before their parent, so the last node is the root.
    struct Node
    {
        Kind kind;
        int letter;
        int left;
        int right;
    };

    struct Reader
    {
        const std::string& s;
        std::vector<Node>& nodes;
        std::size_t i = 0;
        bool ok = true;

        int add(Kind kind, int letter, int left, int right)
        {
            nodes.push_back(Node{kind, letter, left, right});
            return static_cast<int>(nodes.size()) - 1;
        }

        bool startsWith(const char* token) const
        {
            return s.compare(i, std::string(token).size(), token) == 0;
        }

        // Binary operator of the given priority at i, or none.
        std::optional<std::pair<Kind, std::size_t>> binaryAt(int priority) const
        {
            if (priority == 1 && startsWith("*"))
                return std::make_pair(Kind::And, std::size_t{1});
            if (priority == 2 && startsWith("+"))
                return std::make_pair(Kind::Or, std::size_t{1});
            if (priority == 2 && startsWith("<>"))
                return std::make_pair(Kind::Xor, std::size_t{2});
            if (priority == 3 && startsWith("=>"))
                return std::make_pair(Kind::Implies, std::size_t{2});
            if (priority == 3 && startsWith("<->"))
                return std::make_pair(Kind::Equivalent, std::size_t{3});
            return std::nullopt;
        }

        int level(int priority)
        {
            if (priority == 0)
                return operand();
            int left = level(priority - 1);
            while (ok) {
                const auto op = binaryAt(priority);
                if (!op)
                    break;
                i += op->second;
                const int right = level(priority - 1);
                left = add(op->first, -1, left, right);
            }
            return left;
        }

        bool variableAt() const { return i < s.size() && s[i] >= 'A' && s[i] <= 'Z'; }

        int operand()
        {
            if (i < s.size() && s[i] == '\xAC') {
                ++i;
                if (variableAt())
                    return add(Kind::Not, -1, -1, variable());
                if (i < s.size() && s[i] == '(')
                    return add(Kind::Not, -1, -1, group());
                return fail();
            }
            if (variableAt())
                return variable();
            if (i < s.size() && s[i] == '(')
                return group();
            return fail();
        }

        int variable() { return add(Kind::Variable, s[i++] - 'A', -1, -1); }

        int group()
        {
            const std::size_t start = ++i;
            const int inner = level(3);
            if (!ok || i >= s.size() || s[i] != ')')
                return fail();
            // The inside may not itself be one whole group: "((A+B))".
            if (s[start] == '(' && closingOf(start) == i - 1)
                return fail();
            ++i;
            return inner;
        }

        std::size_t closingOf(std::size_t open) const
        {
            int depth = 0;
            for (std::size_t k = open; k < s.size(); ++k) {
                if (s[k] == '(')
                    ++depth;
                else if (s[k] == ')' && --depth == 0)
                    return k;
            }
            return s.size();
        }

        int fail()
        {
            ok = false;
            return -1;
        }
    };

    std::vector<Node> nodes_;
};

} // namespace reference
