#include "helpwindow.h"

#include "fonts.h"
#include "units.h"

#include <QLabel>

namespace korventa {

namespace {

QLabel* numberLabel(QWidget* parent, const char* name, const QString& number, int top)
{
    auto* label = new QLabel(number, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(common::twipsRect(0, top, 255, 495));
    label->setAlignment(Qt::AlignCenter);
    QFont font = common::classicPointFont(12, true);
    font.setUnderline(true);
    label->setFont(font);
    return label;
}

} // namespace

Form2::Form2(Form1* main)
    : InfoWindow(main, {"Form2", u"Помощь", 5520, 3375, QRect(360, 2760, 1215, 495), 500,
                        QPoint(4200, 2760)})
{
    Label1 = addTextLabel("Label1", 360, 0, 5055, 1455);
    Label2 = addTextLabel("Label2", 360, 1560, 5055, 1095);
    Label3 = numberLabel(this, "Label3", QStringLiteral("1"), 0);
    Label4 = numberLabel(this, "Label4", QStringLiteral("2"), 1560);
    Form_Load();
}

void Form2::Form_Load()
{
    Label1->setText(QStringLiteral("Тест №1-в этом тесте вы должны вводить слово, зашифрованное "
                                   "флажками. Вы получите один балл, если ответите правильно."));
    Label2->setText(QStringLiteral("Тест №2-в этом тесте вы должны нажимать на флажки и сами "
                                   "зашифровать предложенное слово."));
}

} // namespace korventa
