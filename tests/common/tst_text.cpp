#include "text.h"

#include <QtTest>

class TextTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldConvertWindows1251BothWays();
    void shouldLowerCaseOnlyLettersOfWindows1251_data();
    void shouldLowerCaseOnlyLettersOfWindows1251();
    void shouldUpperCaseOnlyLettersOfWindows1251_data();
    void shouldUpperCaseOnlyLettersOfWindows1251();
};

void TextTest::shouldConvertWindows1251BothWays()
{
    const QString text = QStringLiteral("Ёлка ёж Привет ¬ №");
    const QByteArray bytes = common::toCp1251(text);
    QCOMPARE(bytes.size(), text.size());
    QCOMPARE(static_cast<unsigned char>(bytes[0]), 0xA8);                // Ё
    QCOMPARE(static_cast<unsigned char>(bytes[bytes.size() - 1]), 0xB9); // №
    QCOMPARE(static_cast<unsigned char>(bytes[bytes.size() - 3]), 0xAC); // ¬
    QCOMPARE(common::fromCp1251(bytes), text);
    QCOMPARE(common::fromCp1251(std::string("\xcf\xf0\xe8")), QStringLiteral("При"));
    QCOMPARE(common::toCp1251String(QStringLiteral("я")), std::string("\xff"));
}

void TextTest::shouldLowerCaseOnlyLettersOfWindows1251_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("lowered");
    QTest::addRow("latin") << "MoUSE"
                           << "mouse";
    QTest::addRow("cyrillic") << "КЛАВИАТУРА"
                              << "клавиатура";
    QTest::addRow("yo") << "ЁЖ"
                        << "ёж";
    QTest::addRow("ukrainian and serbian") << "ЇІЄҐЎЉЂ"
                                           << "їієґўљђ";
    QTest::addRow("blanks kept") << " Мышь "
                                 << " мышь ";
    QTest::addRow("digits and signs kept") << "A1-Б!"
                                           << "a1-б!";
    QTest::addRow("letters outside windows-1251 kept") << "ÄΩ"
                                                       << "ÄΩ";
}

void TextTest::shouldLowerCaseOnlyLettersOfWindows1251()
{
    QFETCH(QString, answer);
    QFETCH(QString, lowered);
    QCOMPARE(common::lowerCaseAnswer(answer), lowered);
}

// The keypad's capitals: the reverse of the quizzes' rule, letter for letter.
void TextTest::shouldUpperCaseOnlyLettersOfWindows1251_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("capitals");
    QTest::addRow("latin") << "a*b+c"
                           << "A*B+C";
    QTest::addRow("cyrillic") << "абвгдеж"
                              << "АБВГДЕЖ";
    QTest::addRow("yo") << "ёж"
                        << "ЁЖ";
    QTest::addRow("ukrainian and serbian") << "їієґўљђ"
                                           << "ЇІЄҐЎЉЂ";
    QTest::addRow("signs and the negation kept") << "¬(a<->b)=>c"
                                                 << "¬(A<->B)=>C";
    QTest::addRow("no-break space kept")
        << QStringLiteral("a\u00A0b") << QStringLiteral("A\u00A0B");
    QTest::addRow("letters outside windows-1251 kept") << "äω"
                                                       << "äω";
}

void TextTest::shouldUpperCaseOnlyLettersOfWindows1251()
{
    QFETCH(QString, typed);
    QFETCH(QString, capitals);
    QCOMPARE(common::upperCase1251(typed), capitals);
    QCOMPARE(common::lowerCaseAnswer(capitals), typed.toLower());
}

QTEST_APPLESS_MAIN(TextTest)
#include "tst_text.moc"
