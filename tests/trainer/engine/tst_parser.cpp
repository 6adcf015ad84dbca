#include "engine.h"
#include "enginetext.h"

#include <QtTest>

using veritabula::strarray;
using veritabula::strarray2d;

namespace {

QStringList describeOperations(const strarray& captions, const strarray2d& operations)
{
    QStringList lines;
    for (std::size_t k = 1; k < captions.size(); ++k) {
        const strarray& row = operations[k];
        lines << QString("%1 | %2 | %3 | %4")
                     .arg(shown(captions[k]), shown(row[1]), shown(row[2]), shown(row[3]));
    }
    return lines;
}

} // namespace

class ParserTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldParseIntoOperationsInEvaluationOrder_data();
    void shouldParseIntoOperationsInEvaluationOrder();
};

void ParserTest::shouldParseIntoOperationsInEvaluationOrder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("variable") << "A" << QStringList{};
    QTest::addRow("variable in a group") << "(A)" << QStringList{};
    QTest::addRow("unclosed group") << "(A+B" << QStringList{};
    QTest::addRow("whole text one group") << "(A+B)" << QStringList{"A+B | + | A | B"};
    QTest::addRow("two conjunctions")
        << "A*B+C*D"
        << QStringList{"A*B | * | A | B", "C*D | * | C | D", "A*B+C*D | + | A*B | C*D"};
    QTest::addRow("group first") << "(A+B)*C"
                                 << QStringList{"A+B | + | A | B", "(A+B)*C | * | A+B | C"};
    QTest::addRow("negated variable")
        << "¬A+B" << QStringList{"¬A | ¬ |  | A", "¬A+B | + | ¬A | B"};
    QTest::addRow("negated group")
        << "¬(A+B)" << QStringList{"A+B | + | A | B", "¬(A+B) | ¬ |  | A+B"};
    QTest::addRow("one pair off the operand")
        << "((A+B)*C)+D"
        << QStringList{"A+B | + | A | B", "(A+B)*C | * | A+B | C", "((A+B)*C)+D | + | (A+B)*C | D"};
    QTest::addRow("two groups") << "(A+B)*(C+D)"
                                << QStringList{"A+B | + | A | B", "C+D | + | C | D",
                                               "(A+B)*(C+D) | * | A+B | C+D"};
    QTest::addRow("group as left operand")
        << "A+(B*C)*D"
        << QStringList{"B*C | * | B | C", "(B*C)*D | * | B*C | D", "A+(B*C)*D | + | A | (B*C)*D"};
    QTest::addRow("negation after operator")
        << "A*(B+C)+D*¬E"
        << QStringList{"B+C | + | B | C", "¬E | ¬ |  | E", "A*(B+C) | * | A | B+C",
                       "D*¬E | * | D | ¬E", "A*(B+C)+D*¬E | + | A*(B+C) | D*¬E"};
    QTest::addRow("deeper group first")
        << "((A*B)+(C*(D+E)))"
        << QStringList{"D+E | + | D | E", "A*B | * | A | B", "C*(D+E) | * | C | D+E",
                       "(A*B)+(C*(D+E)) | + | A*B | C*(D+E)"};
    QTest::addRow("implication then equivalence")
        << "A=>B<->C" << QStringList{"A=>B | => | A | B", "A=>B<->C | <-> | A=>B | C"};
    QTest::addRow("equivalence then implication")
        << "A<->B=>C" << QStringList{"A<->B | <-> | A | B", "A<->B=>C | => | A<->B | C"};
    QTest::addRow("exclusive or then or")
        << "A<>B+C" << QStringList{"A<>B | <> | A | B", "A<>B+C | + | A<>B | C"};
    QTest::addRow("every priority") << "¬A*B+C<>D=>A<->B"
                                    << QStringList{"¬A | ¬ |  | A",
                                                   "¬A*B | * | ¬A | B",
                                                   "¬A*B+C | + | ¬A*B | C",
                                                   "¬A*B+C<>D | <> | ¬A*B+C | D",
                                                   "¬A*B+C<>D=>A | => | ¬A*B+C<>D | A",
                                                   "¬A*B+C<>D=>A<->B | <-> | ¬A*B+C<>D=>A | B"};
    QTest::addRow("negations inside and out")
        << "¬(A*¬B)+(C=>D)"
        << QStringList{"¬B | ¬ |  | B", "A*¬B | * | A | ¬B", "C=>D | => | C | D",
                       "¬(A*¬B) | ¬ |  | A*¬B", "¬(A*¬B)+(C=>D) | + | ¬(A*¬B) | C=>D"};
    QTest::addRow("operator-free group") << "A+(B)" << QStringList{"A+(B) | + | A | B"};
    QTest::addRow("conjunctions from the left")
        << "A*B*C" << QStringList{"A*B | * | A | B", "A*B*C | * | A*B | C"};
    QTest::addRow("left to right, same priority")
        << "A=>B=>C" << QStringList{"A=>B | => | A | B", "A=>B=>C | => | A=>B | C"};
    QTest::addRow("repeat kept") << "A*B+A*B"
                                 << QStringList{"A*B | * | A | B", "A*B | * | A | B",
                                                "A*B+A*B | + | A*B | A*B"};
    // Badly formed texts: the steps still run, safely, to these results.
    QTest::addRow("two operators in a row")
        << "A+*B" << QStringList{"+*B | * | + | B", "A+*B | + | A | *B"};
    QTest::addRow("blanks as operands") << "A * B" << QStringList{" *  | * |   |  "};
    QTest::addRow("double negation") << "A¬¬B" << QStringList{"¬¬ | ¬ |  | ¬", "¬B | ¬ |  | B"};
    QTest::addRow("double wrap keeps a pair")
        << "((A+B))*C" << QStringList{"A+B | + | A | B", "((A+B))*C | * | (A+B) | C"};
    QTest::addRow("negation at the end") << "A*¬" << QStringList{"¬ | ¬ |  | ", "A*¬ | * | A | ¬"};
    QTest::addRow("operator at group start") << "(*A)" << QStringList{"*A | * |  | A"};
    QTest::addRow("surplus closing upsets the top level") << ")A+B(" << QStringList{};
}

void ParserTest::shouldParseIntoOperationsInEvaluationOrder()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    strarray captions;
    strarray2d operations;
    veritabula::ParseExpression(cp(text), captions, operations);
    if (expected.isEmpty()) {
        QVERIFY(captions.empty());
        QVERIFY(operations.empty());
        return;
    }
    QCOMPARE(captions.size(), std::size_t(expected.size() + 1));
    QCOMPARE(operations.size(), captions.size());
    QVERIFY(captions[0].empty());
    QVERIFY(operations[0].empty());
    for (std::size_t k = 1; k < operations.size(); ++k) {
        QCOMPARE(operations[k].size(), std::size_t(4));
        QVERIFY(operations[k][0].empty());
    }
    QCOMPARE(describeOperations(captions, operations), expected);
}

QTEST_APPLESS_MAIN(ParserTest)
#include "tst_parser.moc"
