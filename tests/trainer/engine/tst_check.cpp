#include "engine.h"
#include "enginetext.h"

#include <QtTest>

#include <optional>

namespace {

// A, then "+A" as many times as asked.
QString sum(int operations)
{
    return QStringLiteral("A") + QStringLiteral("+A").repeated(operations);
}

} // namespace

class CheckTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldAcceptOrNameTheFirstProblem_data();
    void shouldAcceptOrNameTheFirstProblem();
};

void CheckTest::shouldAcceptOrNameTheFirstProblem_data()
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

void CheckTest::shouldAcceptOrNameTheFirstProblem()
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

QTEST_APPLESS_MAIN(CheckTest)
#include "tst_check.moc"
