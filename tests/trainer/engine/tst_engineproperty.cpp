#include "engine.h"
#include "engineproperty.h"
#include "enginetext.h"
#include "referenceevaluator.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <iterator>

namespace {

struct Piece
{
    std::string text;
    int priority; // 0 for an operand, else the priority level of its last operator
    bool group;
};

Piece wrap(const Piece& piece)
{
    return Piece{"(" + piece.text + ")", 0, true};
}

// A random expression the checker must accept: minimal parentheses plus a
// few optional ones, never a group directly inside another pair.
Piece randomExpression(QRandomGenerator& random, int depth, const std::string& letters)
{
    Piece piece;
    const int choice = random.bounded(10);
    if (depth == 0 || choice < 2) {
        piece = Piece{std::string(1, letters[random.bounded(int(letters.size()))]), 0, false};
    } else if (choice < 4) {
        const Piece operand = randomExpression(random, depth - 1, letters);
        if (operand.group || (operand.text.size() == 1))
            piece = Piece{"\xAC" + operand.text, 0, false};
        else
            piece = Piece{"\xAC" + wrap(operand).text, 0, false};
    } else {
        static const char* const tokens[] = {"*", "+", "<>", "=>", "<->"};
        static const int priorities[] = {1, 2, 2, 3, 3};
        const int which = random.bounded(5);
        const int priority = priorities[which];
        Piece left = randomExpression(random, depth - 1, letters);
        Piece right = randomExpression(random, depth - 1, letters);
        if (left.priority > priority || (!left.group && random.bounded(8) == 0))
            left = wrap(left);
        if (right.priority >= priority || (!right.group && random.bounded(8) == 0))
            right = wrap(right);
        piece = Piece{left.text + tokens[which] + right.text, priority, false};
    }
    if (!piece.group && random.bounded(20) == 0)
        piece = wrap(piece);
    return piece;
}

std::string randomLetters(QRandomGenerator& random)
{
    std::string all = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string letters;
    const int count = 1 + random.bounded(10);
    for (int i = 0; i < count; ++i) {
        const int at = random.bounded(int(all.size()));
        letters += all[at];
        all.erase(all.begin() + at);
    }
    return letters;
}

} // namespace

class EnginePropertyTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldAgreeWithAnIndependentReadingOfRandomExpressions();
    void shouldRefuseExactlyTheTextsTheGrammarRefuses();
};

void EnginePropertyTest::shouldAgreeWithAnIndependentReadingOfRandomExpressions()
{
    QRandomGenerator random(20261209);
    int operations = 0;
    int overTheLimit = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::string letters = randomLetters(random);
        const std::string text = randomExpression(random, 1 + random.bounded(6), letters).text;
        const QByteArray shownText = shown(text).toUtf8();
        const auto error = veritabula::CheckExpression(text);
        const QByteArray verdict = QByteArray::fromStdString(error ? error->message : "");
        const int count = int(std::count_if(text.begin(), text.end(), [](char c) {
            return c == '*' || c == '+' || c == '\xAC' || c == '>';
        }));
        if (count > 30) {
            // Its grid would be too big to fill: refused for that alone.
            QVERIFY2(verdict.contains("лишняя операция"), (shownText + ": " + verdict).constData());
            ++overTheLimit;
            continue;
        }
        QVERIFY2(!error, (shownText + ": " + verdict).constData());
        const std::string fault = engineFault(text, true);
        QVERIFY2(fault.empty(), (shownText + ": " + QByteArray::fromStdString(fault)).constData());
        operations += count;
    }
    qInfo("%d operations, %d texts over the limit", operations, overTheLimit);
    QVERIFY(operations > 10000);
    QVERIFY(overTheLimit > 0);
}

void EnginePropertyTest::shouldRefuseExactlyTheTextsTheGrammarRefuses()
{
    // Small edits to good texts give a mix of good and bad ones; the checker
    // must draw the line where the independent reading does.
    static const std::string pieces[] = {"A", "B", "K",  "\xAC", "*", "+", "<>", "=>", "<->",
                                         "(", ")", "()", "<",    ">", "=", "-",  " ",  "1"};
    QRandomGenerator random(4242);
    int accepted = 0;
    int refused = 0;
    for (int round = 0; round < 10000; ++round) {
        std::string text =
            randomExpression(random, 1 + random.bounded(4), randomLetters(random)).text;
        for (int edits = 1 + random.bounded(3); edits > 0; --edits) {
            const std::size_t at = std::size_t(random.bounded(int(text.size()) + 1));
            const std::string& piece = pieces[random.bounded(int(std::size(pieces)))];
            switch (random.bounded(3)) {
            case 0:
                text.insert(at, piece);
                break;
            case 1:
                text.erase(at, 1);
                break;
            default:
                text.replace(at, 1, piece);
                break;
            }
        }
        const QByteArray shownText = shown(text).toUtf8();
        const auto error = veritabula::CheckExpression(text);
        const QByteArray verdict =
            error ? " refused: " + QByteArray::fromStdString(error->message) : " accepted";
        const bool grammatical = reference::Expression::parse(text).has_value();
        QVERIFY2(!error == grammatical, (shownText + verdict).constData());
        if (error) {
            ++refused;
            QVERIFY2(error->position >= 1 &&
                         std::size_t(error->position) <= std::max<std::size_t>(text.size(), 1),
                     shownText.constData());
        } else {
            ++accepted;
            const std::string fault = engineFault(text, true);
            QVERIFY2(fault.empty(),
                     (shownText + ": " + QByteArray::fromStdString(fault)).constData());
        }
    }
    QVERIFY(accepted > 500);
    QVERIFY(refused > 500);
}

QTEST_APPLESS_MAIN(EnginePropertyTest)
#include "tst_engineproperty.moc"
