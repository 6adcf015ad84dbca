#include "engine.h"
#include "enginetext.h"

#include <QtTest>

using veritabula::strarray;
using veritabula::strarray2d;
using veritabula::table;

class EngineTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldNormaliseEveryWrittenForm_data();
    void shouldNormaliseEveryWrittenForm();
    void shouldKeepOnlyTheFirstOfRepeatedCaptions_data();
    void shouldKeepOnlyTheFirstOfRepeatedCaptions();
    void shouldBuildTheReferenceTable_data();
    void shouldBuildTheReferenceTable();
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

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"
