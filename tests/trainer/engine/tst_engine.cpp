#include "engine.h"
#include "engineproperty.h"
#include "referenceevaluator.h"
#include "text.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <iterator>

using veritabula::strarray;
using veritabula::strarray2d;
using veritabula::table;

namespace {

// Test texts are written in UTF-8 and handed to the engine in Windows-1251.
std::string cp(const QString& text)
{
    return common::toCp1251String(text);
}

QString shown(const std::string& bytes)
{
    return common::fromCp1251(bytes);
}

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

// A, then "+A" as many times as asked.
QString sum(int operations)
{
    return QStringLiteral("A") + QStringLiteral("+A").repeated(operations);
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

class EngineTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldNormaliseEveryWrittenForm_data();
    void shouldNormaliseEveryWrittenForm();
    void shouldParseIntoOperationsInEvaluationOrder_data();
    void shouldParseIntoOperationsInEvaluationOrder();
    void shouldKeepOnlyTheFirstOfRepeatedCaptions_data();
    void shouldKeepOnlyTheFirstOfRepeatedCaptions();
    void shouldBuildTheReferenceTable_data();
    void shouldBuildTheReferenceTable();
    void shouldAcceptOrNameTheFirstProblem_data();
    void shouldAcceptOrNameTheFirstProblem();
    void shouldAgreeWithAnIndependentReadingOfRandomExpressions();
    void shouldRefuseExactlyTheTextsTheGrammarRefuses();
};

void EngineTest::shouldNormaliseEveryWrittenForm_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::addRow("ampersand") << "A&B"
                               << "A*B";
    QTest::addRow("backslash slash") << "A\\/B"
                                     << "A+B";
    QTest::addRow("slash backslash") << "A/\\B"
                                     << "A*B";
    QTest::addRow("capital V") << "AVB"
                               << "A+B";
    QTest::addRow("small v is a variable") << "avb"
                                           << "AVB";
    QTest::addRow("minus") << "-A"
                           << "¬A";
    QTest::addRow("minus before group") << "-(A+B)"
                                        << "¬(A+B)";
    QTest::addRow("two minuses") << "A--B"
                                 << "A¬¬B";
    QTest::addRow("arrow") << "A->B"
                           << "A=>B";
    QTest::addRow("double arrow") << "A=>B"
                                  << "A=>B";
    QTest::addRow("equivalence kept") << "A<->B"
                                      << "A<->B";
    QTest::addRow("double equivalence") << "A<=>B"
                                        << "A<->B";
    QTest::addRow("lone equals") << "A=B"
                                 << "A<->B";
    QTest::addRow("equals then implication") << "A=B=>C"
                                             << "A<->B=>C";
    QTest::addRow("exclusive or") << "A<>B"
                                  << "A<>B";
    QTest::addRow("lone less-than dropped") << "A<B"
                                            << "AB";
    QTest::addRow("lone greater-than kept") << "A>B"
                                            << "A>B";
    QTest::addRow("spaces kept") << "a * (b + c)"
                                 << "A * (B + C)";
    QTest::addRow("digit kept") << "x1"
                                << "X1";
    QTest::addRow("empty") << ""
                           << "";
    QTest::addRow("ends in minus") << "A-"
                                   << "A¬";
    QTest::addRow("ends in equals") << "A="
                                    << "A<->";
    QTest::addRow("ends in less-than") << "A<"
                                       << "A";
    QTest::addRow("less-than minus") << "A<-B"
                                     << "A¬B";
    QTest::addRow("lone slashes") << "A/B\\C"
                                  << "A/B\\C";
    QTest::addRow("negation sign kept") << "¬a"
                                        << "¬A";
    QTest::addRow("Cyrillic upper-cased") << "аяёђў"
                                          << "АЯЁЂЎ";
    QTest::addRow("canonical unchanged") << "¬(A*B)<>C<->D=>E+F"
                                         << "¬(A*B)<>C<->D=>E+F";
    QTest::addRow("second pass turns V into or") << "A*V"
                                                 << "A*+";
}

void EngineTest::shouldNormaliseEveryWrittenForm()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(shown(veritabula::NormalizeExpression(cp(input))), expected);
}

void EngineTest::shouldParseIntoOperationsInEvaluationOrder_data()
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

void EngineTest::shouldParseIntoOperationsInEvaluationOrder()
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

void EngineTest::shouldKeepOnlyTheFirstOfRepeatedCaptions_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("repeat in the middle") << QStringList{"A*B", "¬(A*B)", "A*B", "A*B+¬(A*B)"}
                                          << QStringList{"A*B", "¬(A*B)", "A*B+¬(A*B)"};
    QTest::addRow("three in a row")
        << QStringList{"A*B", "A*B", "A*B", "C"} << QStringList{"A*B", "C"};
    QTest::addRow("last two equal") << QStringList{"A", "B", "B"} << QStringList{"A", "B"};
    QTest::addRow("no repeats") << QStringList{"A*B", "C*D", "A*B+C*D"}
                                << QStringList{"A*B", "C*D", "A*B+C*D"};
    QTest::addRow("case matters") << QStringList{"a*b", "A*B"} << QStringList{"a*b", "A*B"};
    QTest::addRow("two kinds of repeat")
        << QStringList{"X", "Y", "X", "Y", "X", "Z"} << QStringList{"X", "Y", "Z"};
    QTest::addRow("one") << QStringList{"A*B"} << QStringList{"A*B"};
    QTest::addRow("nothing") << QStringList{} << QStringList{};
}

void EngineTest::shouldKeepOnlyTheFirstOfRepeatedCaptions()
{
    QFETCH(QStringList, captions);
    QFETCH(QStringList, expected);
    // Each row carries its caption as its token, so rows that move out of
    // step with their captions show up.
    strarray captionList;
    strarray2d operationList;
    for (const QString& caption : captions) {
        if (captionList.empty()) {
            captionList.emplace_back();
            operationList.emplace_back();
        }
        captionList.push_back(cp(caption));
        operationList.push_back(strarray{"", cp(caption), "l", "r"});
    }
    veritabula::RemoveDuplicateOperations(captionList, operationList);

    QStringList kept;
    for (std::size_t k = 1; k < captionList.size(); ++k) {
        kept << shown(captionList[k]);
        QCOMPARE(operationList[k][1], captionList[k]);
    }
    QCOMPARE(kept, expected);
    QCOMPARE(operationList.size(), captionList.size());
    QCOMPARE(captionList.empty(), captions.isEmpty());
}

void EngineTest::shouldBuildTheReferenceTable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QStringList>("rows");

    QTest::addRow("two conjunctions")
        << "A*B+C*D" << QStringList{"A", "B", "C", "D", "A*B", "C*D", "A*B+C*D"}
        << QStringList{"0000000", "0001000", "0010000", "0011011", "0100000", "0101000",
                       "0110000", "0111011", "1000000", "1001000", "1010000", "1011011",
                       "1100101", "1101101", "1110101", "1111111"};
    QTest::addRow("negation then or") << "¬A+B" << QStringList{"A", "B", "¬A", "¬A+B"}
                                      << QStringList{"0011", "0111", "1000", "1101"};
    QTest::addRow("implication, left is the premise")
        << "A=>B" << QStringList{"A", "B", "A=>B"} << QStringList{"001", "011", "100", "111"};
    QTest::addRow("equivalence") << "A<->B" << QStringList{"A", "B", "A<->B"}
                                 << QStringList{"001", "010", "100", "111"};
    QTest::addRow("exclusive or, order of appearance")
        << "B<>A" << QStringList{"B", "A", "B<>A"} << QStringList{"000", "011", "101", "110"};
    QTest::addRow("one variable twice")
        << "A*A" << QStringList{"A", "A*A"} << QStringList{"00", "11"};
    QTest::addRow("negated group finds the group")
        << "¬(A+B)" << QStringList{"A", "B", "A+B", "¬(A+B)"}
        << QStringList{"0001", "0110", "1010", "1110"};
    QTest::addRow("repeat removed")
        << "A*B+¬(A*B)" << QStringList{"A", "B", "A*B", "¬(A*B)", "A*B+¬(A*B)"}
        << QStringList{"00011", "01011", "10011", "11101"};
    QTest::addRow("no operation") << "A" << QStringList{"A"} << QStringList{"0", "1"};
    QTest::addRow("no operation, grouped") << "(Q)" << QStringList{"Q"} << QStringList{"0", "1"};
    QTest::addRow("three variables")
        << "C=>A*B" << QStringList{"C", "A", "B", "A*B", "C=>A*B"}
        << QStringList{"00001", "00101", "01001", "01111", "10000", "10100", "11000", "11111"};
}

void EngineTest::shouldBuildTheReferenceTable()
{
    QFETCH(QString, text);
    QFETCH(QStringList, columns);
    QFETCH(QStringList, rows);
    const std::string expression = cp(text);
    strarray captions;
    strarray2d operations;
    veritabula::ParseExpression(expression, captions, operations);
    veritabula::RemoveDuplicateOperations(captions, operations);
    strarray columnList;
    table truthTable;
    veritabula::BuildTruthTable(expression, captions, operations, columnList, truthTable);

    QCOMPARE(columnList.size(), std::size_t(columns.size() + 1));
    QVERIFY(columnList[0].empty());
    QStringList headers;
    for (std::size_t c = 1; c < columnList.size(); ++c)
        headers << shown(columnList[c]);
    QCOMPARE(headers, columns);

    QCOMPARE(truthTable.size(), columnList.size());
    QVERIFY(truthTable[0].empty());
    QStringList cells;
    for (int r = 1; r <= rows.size(); ++r) {
        QString line;
        for (std::size_t c = 1; c < truthTable.size(); ++c) {
            QCOMPARE(truthTable[c].size(), std::size_t(rows.size() + 1));
            QCOMPARE(truthTable[c][0], 0);
            line += QString::number(truthTable[c][r]);
        }
        cells << line;
    }
    QCOMPARE(cells, rows);
}

void EngineTest::shouldAcceptOrNameTheFirstProblem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position"); // 0: the text is accepted
    QTest::addColumn<QString>("message");

    QTest::addRow("variable") << "A" << 0 << "";
    QTest::addRow("variable in a group") << "(A)" << 0 << "";
    QTest::addRow("negated negation in a group") << "¬(¬A)" << 0 << "";
    QTest::addRow("every operator") << "(A+B)*(C<>D)=>¬E<->F" << 0 << "";
    QTest::addRow("ten variables") << "A+B+C+D+E+F+G+H+I+J+A" << 0 << "";
    QTest::addRow("eleven variables")
        << "A+B+C+D+E+F+G+H+I+J+K" << 21
        << "В позиции 21 лишняя переменная «K»: в выражении может быть не больше 10 разных "
           "переменных.";
    QTest::addRow("thirty operations") << sum(30) << 0 << "";
    QTest::addRow("thirty-one operations")
        << sum(31) << 62
        << "В позиции 62 лишняя операция «+»: в выражении может быть не больше 30 операций, "
           "иначе таблица выйдет слишком большой.";
    QTest::addRow("negation over the limit")
        << sum(29) + "*¬B" << 61
        << "В позиции 61 лишняя операция «¬»: в выражении может быть не больше 30 операций, "
           "иначе таблица выйдет слишком большой.";
    QTest::addRow("the longest text of the entry field")
        << sum(16383) << 62
        << "В позиции 62 лишняя операция «+»: в выражении может быть не больше 30 операций, "
           "иначе таблица выйдет слишком большой.";
    QTest::addRow("empty") << "" << 1 << "Выражение пустое: наберите хотя бы одну переменную.";
    QTest::addRow("digit") << "A+1" << 3 << "В позиции 3 недопустимый символ «1».";
    QTest::addRow("Cyrillic letter") << "A+Б" << 3 << "В позиции 3 недопустимый символ «Б».";
    QTest::addRow("space") << "A *B" << 2 << "В позиции 2 недопустимый пробел.";
    QTest::addRow("tab") << "A\t*B" << 2 << "В позиции 2 недопустимый символ с кодом 9.";
    QTest::addRow("lone greater-than") << "A>B" << 2 << "В позиции 2 недопустимый символ «>».";
    QTest::addRow("lone less-than") << "A<B" << 2 << "В позиции 2 недопустимый символ «<».";
    QTest::addRow("operator at the end")
        << "A<->" << 2 << "В позиции 2 после операции «<->» нет операнда.";
    QTest::addRow("two operators") << "A+*B" << 2 << "В позиции 2 после операции «+» нет операнда.";
    QTest::addRow("operator before closing")
        << "(A=>)" << 3 << "В позиции 3 после операции «=>» нет операнда.";
    QTest::addRow("operator at the start")
        << "*A" << 1 << "В позиции 1 перед операцией «*» нет операнда.";
    QTest::addRow("operator after opening")
        << "(<>A)" << 2 << "В позиции 2 перед операцией «<>» нет операнда.";
    QTest::addRow("unclosed") << "A*(B+(C" << 3 << "В позиции 3 скобка «(» не закрыта.";
    QTest::addRow("opening at the end") << "A+(" << 3 << "В позиции 3 скобка «(» не закрыта.";
    QTest::addRow("surplus closing") << "A+B)" << 4 << "В позиции 4 лишняя закрывающая скобка «)».";
    QTest::addRow("closing first") << ")A" << 1 << "В позиции 1 лишняя закрывающая скобка «)».";
    QTest::addRow("empty group") << "A*()" << 3 << "В позиции 3 пустые скобки «()».";
    QTest::addRow("double negation")
        << "B+¬¬A" << 3
        << "В позиции 3 два знака отрицания подряд; если так и задумано, напишите ¬(¬A).";
    QTest::addRow("negation at the end")
        << "A*¬" << 3 << "В позиции 3 после знака отрицания «¬» нет операнда.";
    QTest::addRow("negation before operator")
        << "¬*A" << 1 << "В позиции 1 после знака отрицания «¬» нет операнда.";
    QTest::addRow("group in a second pair")
        << "((A+B))" << 1 << "В позиции 1 лишние скобки вокруг группы: уберите одну пару.";
    QTest::addRow("variable in a second pair")
        << "C*¬((A))" << 4 << "В позиции 4 лишние скобки вокруг группы: уберите одну пару.";
    QTest::addRow("two variables")
        << "AB" << 2 << "В позиции 2 между операндами нет знака операции.";
    QTest::addRow("group then negation")
        << "(A)¬B" << 4 << "В позиции 4 между операндами нет знака операции.";
    QTest::addRow("first problem wins") << "A+1)" << 3 << "В позиции 3 недопустимый символ «1».";
}

void EngineTest::shouldAcceptOrNameTheFirstProblem()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, message);
    const std::optional<veritabula::ExpressionError> error = veritabula::CheckExpression(cp(text));
    if (position == 0) {
        QVERIFY2(!error, error ? error->message.c_str() : "");
        return;
    }
    QVERIFY(error);
    QCOMPARE(error->position, position);
    QCOMPARE(QString::fromStdString(error->message), message);
}

void EngineTest::shouldAgreeWithAnIndependentReadingOfRandomExpressions()
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

void EngineTest::shouldRefuseExactlyTheTextsTheGrammarRefuses()
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

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"
