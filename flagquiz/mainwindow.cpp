#include "mainwindow.h"

#include "aboutwindow.h"
#include "authorswindow.h"
#include "colours.h"
#include "flags.h"
#include "fonts.h"
#include "forumwindow.h"
#include "helpwindow.h"
#include "imagecontrol.h"
#include "messagebox.h"
#include "programexit.h"
#include "units.h"
#include "windowframe.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <utility>
#include <vector>

using common::twips;
using common::twipsRect;

namespace korventa {

namespace {

const QString VariantICaption = QStringLiteral("Вариант I >>>");
const QString VariantIICaption = QStringLiteral("Вариант II >>>");

QString caption(Test1Variant variant)
{
    return variant == Test1Variant::First ? VariantICaption : VariantIICaption;
}

QFont sansSerif(double points, bool underline = false)
{
    QFont font = common::classicPointFont(points, true);
    font.setUnderline(underline);
    return font;
}

template <typename Window> void showWindow(std::unique_ptr<Window>& window, Form1* main)
{
    if (!window)
        window = std::make_unique<Window>(main);
    common::showInFront(window.get());
}

// The buttons of Test 2's steps, word 1 to 5; Command11 is "Удалить". Test 1's
// step k is Command k.
constexpr int Test2StepButton[WordsPerTest] = {7, 8, 9, 10, 12};

} // namespace

void askExitQuestion()
{
    const common::BoxAnswer answer =
        common::showMessageBox(QStringLiteral("Выйти из программы?"), QStringLiteral("Выход"),
                               common::BoxIcon::Question, common::BoxButtons::YesNo);
    if (answer == common::BoxAnswer::No)
        return;
    common::exitProgram(0);
}

Form1::Form1()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Флажки"));
    buildControls();
    buildMenus();
    // The client area, under the menu bar, starts at a fixed place on the screen.
    setGeometry(twips(2190), twips(1920) - menuBar()->sizeHint().height(), twips(11520),
                twips(6975) + menuBar()->sizeHint().height());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(twips(11520), twips(6975));
    common::setGroundColour(client, common::LightBlue);
    setCentralWidget(client);

    QFont letterFont = common::sansFamilyFont(QStringLiteral("Trebuchet MS"));
    letterFont.setPointSize(12);
    letterFont.setBold(true);

    std::vector<QImage> flags = drawFlags();
    for (int n = 1; n <= FlagCount; ++n) {
        const int row = (n - 1) / FlagsPerRow, column = (n - 1) % FlagsPerRow;
        auto* flag = new ImageControl(client);
        flag->setObjectName(QStringLiteral("Pic%1").arg(n));
        flag->setGeometry(twipsRect(120 + 1440 * column, 600 + 960 * row, 1215, 615));
        flag->setPicture(QPixmap::fromImage(std::move(flags[static_cast<size_t>(n - 1)])));
        flag->setToolTip(flagToolTip(n));
        connect(flag, &ImageControl::clicked, this, [this, n] { Pic_Click(n); });
        Pic[n] = flag;

        auto* letter = new QLabel(flagLetter(n), client);
        letter->setObjectName(QStringLiteral("Label%1").arg(n));
        letter->setGeometry(twipsRect(120 + 1440 * column, 240 + 960 * row, 1215, 255));
        // Set low in its cell: the row of flags above overlaps the top pixel.
        letter->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        letter->setFont(letterFont);
        Label[n] = letter;
    }

    picz = new ImageControl(client, false, false);
    picz->setObjectName(QStringLiteral("picz"));
    picz->setGeometry(twipsRect(1560, 4440, 1215, 615));
    picz->setToolTip(QStringLiteral("Ёрунда"));

    for (int k = 1; k <= SlotCount; ++k) {
        auto* slot = new ImageControl(client);
        slot->setObjectName(QStringLiteral("Image%1").arg(k));
        slot->setGeometry(twipsRect(480 + 1320 * (k - 1), 5520, 1215, 615));
        Image[k] = slot;
    }

    Text1 = new QLineEdit(client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(600, 6240, 3615, 480));
    // Text1's font and colour are given at its first showing (showText1).
    Text1->hide();

    Label34 = new QLabel(client);
    Label34->setObjectName(QStringLiteral("Label34"));
    Label34->setGeometry(twipsRect(600, 6240, 3615, 465));
    Label34->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label34->setAlignment(Qt::AlignCenter);
    Label34->setFont(sansSerif(18));
    common::setGroundColour(Label34, common::LightYellow);
    Label34->hide();

    struct ButtonPlace
    {
        int left, width;
        const char16_t* caption;
    };
    const ButtonPlace places[CommandCount] = {
        {4320, 1335, u"Вариант I >>>"}, {4320, 1335, u"Вариант I >>>"},
        {4320, 1335, u"Вариант I >>>"}, {4320, 1335, u"Вариант I >>>"},
        {4320, 1335, u"Вариант I >>>"}, {240, 11295, u"Результат"},
        {5640, 1215, u"Дальше"},        {5640, 1215, u"Дальше"},
        {5640, 1215, u"Дальше"},        {5640, 1215, u"Дальше"},
        {4320, 1335, u"Удалить"},       {5640, 1215, u"Дальше"},
        {120, 11295, u"Результат"},
    };
    void (Form1::*handlers[CommandCount])() = {
        &Form1::Command1_Click,  &Form1::Command2_Click,  &Form1::Command3_Click,
        &Form1::Command4_Click,  &Form1::Command5_Click,  &Form1::Command6_Click,
        &Form1::Command7_Click,  &Form1::Command8_Click,  &Form1::Command9_Click,
        &Form1::Command10_Click, &Form1::Command11_Click, &Form1::Command12_Click,
        &Form1::Command13_Click,
    };
    for (int n = 1; n <= CommandCount; ++n) {
        const ButtonPlace& place = places[n - 1];
        auto* button = new QPushButton(QString::fromUtf16(place.caption), client);
        button->setObjectName(QStringLiteral("Command%1").arg(n));
        button->setGeometry(twipsRect(place.left, 6240, place.width, 495));
        if (n == 6 || n == 13)
            button->setFont(sansSerif(13.5, true));
        button->hide();
        connect(button, &QPushButton::clicked, this, handlers[n - 1]);
        Command[n] = button;
    }
    // Tab order: Text1, then the buttons by number.
    QWidget::setTabOrder(Text1, Command[1]);
    for (int n = 2; n <= CommandCount; ++n)
        QWidget::setTabOrder(Command[n - 1], Command[n]);

    auto makeLine = [client](const char* name, int top) {
        auto* line = new QFrame(client);
        line->setObjectName(QString::fromLatin1(name));
        line->setGeometry(0, twips(top) - 2, twips(11520), 5);
        line->setAutoFillBackground(true);
        line->setBackgroundRole(QPalette::Highlight);
        return line;
    };
    Line1 = makeLine("Line1", 5280);
    Line3 = makeLine("Line3", 6840);
}

void Form1::buildMenus()
{
    auto addMenu = [this](const char* name, const QString& text) {
        QMenu* menu = menuBar()->addMenu(text);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto addItem = [this](QMenu* menu, const char* name, const QString& text, QKeySequence key,
                          void (Form1::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    mmu1 = addMenu("mmu1", QStringLiteral("Файл"));
    mmu2 = addItem(mmu1, "mmu2", QStringLiteral("Начать Тест №1 Вариант I"), Qt::Key_F2,
                   &Form1::mmu2_Click);
    mmu10 = addItem(mmu1, "mmu10", QStringLiteral("Начать Тест №1 Вариант II"), QKeySequence(),
                    &Form1::mmu10_Click);
    mmu3 = addItem(mmu1, "mmu3", QStringLiteral("Начать Тест №2"), Qt::Key_F3, &Form1::mmu3_Click);
    mmu4 = addItem(mmu1, "mmu4", QStringLiteral("Выход"), Qt::Key_F12, &Form1::mmu4_Click);

    mm5 = addMenu("mm5", QStringLiteral("Справка"));
    mm6 = addItem(mm5, "mm6", QStringLiteral("Помощь"), Qt::Key_F1, &Form1::mm6_Click);
    mm7 = addItem(mm5, "mm7", QStringLiteral("О программе"), QKeySequence(), &Form1::mm7_Click);
    mm8 = addItem(mm5, "mm8", QStringLiteral("Об авторах"), QKeySequence(), &Form1::mm8_Click);

    mm9 = addMenu("mm9", QStringLiteral("Дополнительно"));
    mm10 = addItem(mm9, "mm10", QStringLiteral("Форум"), QKeySequence(), &Form1::mm10_Click);
}

const QPixmap& Form1::flagPicture(int n) const
{
    return Pic[n]->picture();
}

SlotKeys Form1::slotKeys() const
{
    SlotKeys keys{};
    for (int k = 1; k <= SlotCount; ++k)
        keys[static_cast<size_t>(k - 1)] = Image[k]->pictureKey();
    return keys;
}

FlagKeys Form1::flagKeys() const
{
    FlagKeys keys{};
    for (int n = 1; n <= FlagCount; ++n)
        keys[static_cast<size_t>(n - 1)] = Pic[n]->pictureKey();
    return keys;
}

void Form1::Form_Load()
{
    for (ImageControl* slot : Image)
        slot->hide();
}

void Form1::closeEvent(QCloseEvent* event)
{
    // The close box asks the exit question; on No the window stays.
    event->ignore();
    askExitQuestion();
}

void Form1::mmu4_Click()
{
    askExitQuestion();
}

void Form1::mm6_Click()
{
    showWindow(form2_, this);
}

void Form1::mm7_Click()
{
    showWindow(form3_, this);
}

void Form1::mm8_Click()
{
    showWindow(form4_, this);
}

void Form1::mm10_Click()
{
    showWindow(form5_, this);
}

void Form1::Pic_Click(int n)
{
    const int k = firstEmptySlot(slotKeys());
    if (k == 0) {
        common::showMessageBox(QStringLiteral("Нет места"), QStringLiteral("Ошибка"),
                               common::BoxIcon::Stop);
        return;
    }
    Image[k]->setPicture(flagPicture(n));
}

void Form1::emptySlots()
{
    for (ImageControl* slot : Image)
        slot->setPicture(picz->picture());
}

void Form1::showScore()
{
    common::showMessageBox(QStringLiteral("Ваш результат ") + QString::number(Correct),
                           QStringLiteral("Результат"), common::BoxIcon::Information);
}

void Form1::mmu2_Click()
{
    startTest1(Test1Variant::First);
}

void Form1::mmu10_Click()
{
    startTest1(Test1Variant::Second);
}

void Form1::startTest1(Test1Variant variant)
{
    Correct = 0;
    common::showMessageBox(QStringLiteral("Напишите слово зашифрованное флажками"),
                           QStringLiteral("Подсказка"), common::BoxIcon::Question);
    showText1();
    Command[1]->show();
    for (int n = 2; n <= CommandCount; ++n)
        Command[n]->hide();
    Label34->hide();
    showTest1Word(variant, 1);
    for (int k = 1; k <= WordsPerTest; ++k)
        Command[k]->setText(caption(variant));
}

// Text1 stays hidden until the first test: it gets its font and colour when it
// is first shown, so that the start does not load a font nobody sees yet.
void Form1::showText1()
{
    if (!text1Dressed_) {
        Text1->setFont(sansSerif(18));
        Text1->setStyleSheet(
            QStringLiteral("QLineEdit { background: %1; }").arg(common::LightYellow.name()));
        text1Dressed_ = true;
    }
    Text1->show();
}

void Form1::showTest1Word(Test1Variant variant, int k)
{
    const std::vector<int>& flags = test1Word(variant, k).flags;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        if (slot <= static_cast<int>(flags.size())) {
            Image[slot]->setPicture(flagPicture(flags[static_cast<size_t>(slot - 1)]));
            Image[slot]->show();
        } else {
            Image[slot]->hide();
        }
    }
}

void Form1::test1Step(int k)
{
    const Test1Variant variant =
        Command[k]->text() == VariantICaption ? Test1Variant::First : Test1Variant::Second;
    const QString word = QString::fromUtf16(test1Word(variant, k).word);
    if (isRightTypedAnswer(Text1->text(), word)) {
        common::showMessageBox(QStringLiteral("Правильно!"), QStringLiteral("Ответ"),
                               common::BoxIcon::Exclamation);
        ++Correct;
    } else {
        common::showMessageBox(QStringLiteral("Неверно!"), QStringLiteral("Ответ"),
                               common::BoxIcon::Exclamation);
    }

    if (k < WordsPerTest) {
        showTest1Word(variant, k + 1);
        Text1->clear();
        Command[k]->hide();
        Command[k + 1]->show();
        return;
    }
    for (ImageControl* slot : Image)
        slot->hide();
    if (variant == Test1Variant::Second)
        Text1->clear();
    Text1->hide();
    Command[k]->hide();
    Command[6]->show();
}

void Form1::mmu3_Click()
{
    Correct = 0;
    Label34->show();
    Command[13]->hide();
    common::showMessageBox(QStringLiteral("Нажимайте на флажки для зашифровки слова флажками"),
                           QStringLiteral("Подсказка"), common::BoxIcon::Question);
    Command[7]->show();
    for (int n : {8, 9, 10, 12})
        Command[n]->hide();
    Text1->hide();
    for (int n = 1; n <= 6; ++n)
        Command[n]->hide();
    for (ImageControl* slot : Image)
        slot->show();
    Command[11]->show();
    emptySlots();
    Label34->setText(QString::fromUtf16(test2Word(1).word));
}

void Form1::test2Step(int step)
{
    const bool right = slotsSpell(slotKeys(), flagKeys(), test2Word(step).flags);
    common::showMessageBox(right ? QStringLiteral("Правильно!") : QStringLiteral("Неверно!"),
                           QStringLiteral("Ответ"), common::BoxIcon::Exclamation);
    if (right)
        ++Correct;

    Command[Test2StepButton[step - 1]]->hide();
    if (step < WordsPerTest) {
        Label34->setText(QString::fromUtf16(test2Word(step + 1).word));
        Command[Test2StepButton[step]]->show();
    } else {
        Command[13]->show();
    }
    emptySlots();
    if (step == WordsPerTest) {
        Label34->hide();
        Command[11]->hide();
    }
}

} // namespace korventa
