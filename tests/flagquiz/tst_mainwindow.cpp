#include "application.h"
#include "colours.h"
#include "flags.h"
#include "forumwindow.h"
#include "imagecontrol.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "programexit.h"
#include "quizwords.h"
#include "testsupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include <memory>

using common::BoxAnswer;
using common::BoxButtons;
using common::BoxIcon;
using korventa::CommandCount;
using korventa::FlagCount;
using korventa::Form1;
using korventa::SlotCount;
using korventa::WordsPerTest;
using korventa::YoFlag;
using namespace Qt::Literals::StringLiterals;

namespace {

// The numbers of the controls that are not hidden.
template <typename Control> QList<int> shown(Control control, int count)
{
    QList<int> numbers;
    for (int n = 1; n <= count; ++n)
        if (!control(n)->isHidden())
            numbers << n;
    return numbers;
}

QList<int> shownButtons(const Form1& form)
{
    return shown([&form](int n) { return form.Command[n]; }, CommandCount);
}

QList<int> shownSlots(const Form1& form)
{
    return shown([&form](int n) { return form.Image[n]; }, SlotCount);
}

// The flag numbers in the slots, 0 for an empty slot, -1 for a picture of no flag.
QList<int> slotFlags(const Form1& form)
{
    QList<int> flags;
    for (int k = 1; k <= SlotCount; ++k) {
        const qint64 key = form.Image[k]->pictureKey();
        int found = key == 0 ? 0 : -1;
        for (int n = 1; n <= FlagCount && found == -1; ++n)
            if (form.Pic[n]->pictureKey() == key)
                found = n;
        flags << found;
    }
    return flags;
}

void clickFlags(Form1& form, std::initializer_list<int> flags)
{
    for (int n : flags)
        QTest::mouseClick(form.Pic[n], Qt::LeftButton);
}

void answerTest1(Form1& form, int k, const QString& text)
{
    form.Text1->setText(text);
    QTest::mouseClick(form.Command[k], Qt::LeftButton);
}

QStringList texts(const common::MessageBoxRecorder& recorder)
{
    QStringList list;
    for (const common::BoxRequest& box : recorder.boxes)
        list << box.text;
    return list;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shouldStartWithOnlyTheAlphabetOnShow();
    void shouldFillSlotsInOrderThenReportNoRoom();
    void shouldRunTest1_data();
    void shouldRunTest1();
    void shouldRestartTest1InMidRunWithTheOtherWordList();
    void shouldJudgeTest2BySlotsUpToTheWordsLength_data();
    void shouldJudgeTest2BySlotsUpToTheWordsLength();
    void shouldRunTest2ToTheEndAndShowTheScore();
    void shouldEmptySlotsOnRemoveAndRestartOnF3();
    void shouldHideEachTestsControlsWhenTheOtherStarts();
    void shouldEndOnlyOnYesToTheExitQuestion();
    void shouldSaveScreenshots();

private:
    std::unique_ptr<testsupport::TemporaryCurrentFolder> folder_;
    std::unique_ptr<common::MessageBoxRecorder> recorder_;
    std::unique_ptr<Form1> form_;
};

void MainWindowTest::init()
{
    folder_ = std::make_unique<testsupport::TemporaryCurrentFolder>();
    recorder_ = std::make_unique<common::MessageBoxRecorder>();
    form_ = std::make_unique<Form1>();
}

void MainWindowTest::cleanup()
{
    form_.reset();
    recorder_.reset();
    folder_.reset();
}

void MainWindowTest::shouldStartWithOnlyTheAlphabetOnShow()
{
    Form1& form = *form_;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.centralWidget()->mapToGlobal(QPoint()), QPoint(146, 128));
    QCOMPARE(form.centralWidget()->size(), QSize(768, 465));
    QVERIFY(shownButtons(form).isEmpty());
    QVERIFY(shownSlots(form).isEmpty());
    QVERIFY(!form.Text1->isVisible());
    QVERIFY(!form.Label34->isVisible());
    QCOMPARE(slotFlags(form), QList<int>(SlotCount, 0));

    const QString letters = u"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"_s;
    for (int n = 1; n <= FlagCount; ++n) {
        QCOMPARE(form.Label[n]->text(), letters.mid(n - 1, 1));
        const QPoint place((120 + 1440 * ((n - 1) % 8)) / 15, (600 + 960 * ((n - 1) / 8)) / 15);
        QCOMPARE(form.Pic[n]->pos(), place);
        QCOMPARE(form.Label[n]->pos(), place - QPoint(0, 24));
        QVERIFY(form.Pic[n]->pictureKey() != 0);
        const bool noToolTip = n == YoFlag || n == 18 || (n >= 27 && n <= 32);
        QCOMPARE(form.Pic[n]->toolTip().isEmpty(), noToolTip);
    }
    QCOMPARE(form.Pic[21]->toolTip(), u"Тепрлю бедствие, нужна немедленная помощь."_s);
    QCOMPARE(form.picz->toolTip(), u"Ёрунда"_s);
    QCOMPARE(form.picz->pictureKey(), 0);

    const QList<QPair<const char*, QKeySequence>> items = {
        {"mmu2", Qt::Key_F2}, {"mmu10", {}}, {"mmu3", Qt::Key_F3}, {"mmu4", Qt::Key_F12},
        {"mm6", Qt::Key_F1},  {"mm7", {}},   {"mm8", {}},          {"mm10", {}}};
    for (const auto& [name, key] : items)
        QCOMPARE(form.findChild<QAction*>(QString::fromLatin1(name))->shortcut(), key);
}

void MainWindowTest::shouldFillSlotsInOrderThenReportNoRoom()
{
    Form1& form = *form_;
    // Before any test the slots are hidden and empty; clicks fill them unseen.
    clickFlags(form, {12, 3});
    QVERIFY(shownSlots(form).isEmpty());
    QCOMPARE(slotFlags(form), (QList<int>{12, 3, 0, 0, 0, 0, 0, 0}));

    // Variant I shows four letters; the next click goes to hidden slot 5, the
    // very picture of its flag and of no other.
    form.mmu2_Click();
    clickFlags(form, {30, 9, 9});
    QCOMPARE(slotFlags(form), (QList<int>{22, 1, 11, 13, 30, 9, 9, 0}));
    for (int n = 1; n <= FlagCount; ++n)
        QCOMPARE(form.Image[5]->pictureKey() == form.Pic[n]->pictureKey(), n == 30);

    recorder_->clear();
    clickFlags(form, {33, 4});
    QCOMPARE(slotFlags(form), (QList<int>{22, 1, 11, 13, 30, 9, 9, 33}));
    QCOMPARE(texts(*recorder_), QStringList{u"Нет места"_s});
    QCOMPARE(recorder_->last().caption, u"Ошибка"_s);
    QCOMPARE(recorder_->last().icon, BoxIcon::Stop);
    QCOMPARE(recorder_->last().buttons, BoxButtons::Ok);
}

void MainWindowTest::shouldRunTest1_data()
{
    QTest::addColumn<bool>("variantII");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("textAfterRun");
    QTest::addRow("variant I, right in any case")
        << false << QStringList{u"ФАЙЛ"_s, u"Архив"_s, u"папка"_s, u"ярлЫк"_s, u"ВИРУС"_s} << 5
        << u"ВИРУС"_s;
    QTest::addRow("variant I, blanks and empty answers wrong")
        << false << QStringList{u" файл"_s, QString(), u"папка "_s, u"ярлык"_s, u"вирусы"_s} << 1
        << u"вирусы"_s;
    QTest::addRow("variant II, right")
        << true << QStringList{u"Алгоритм"_s, u"массив"_s, u"МЕНЮ"_s, u"интернет"_s, u"каталог"_s}
        << 5 << QString();
    QTest::addRow("variant II, variant I's words wrong")
        << true << QStringList{u"файл"_s, u"архив"_s, u"папка"_s, u"ярлык"_s, u"вирус"_s} << 0
        << QString();
}

void MainWindowTest::shouldRunTest1()
{
    QFETCH(bool, variantII);
    QFETCH(QStringList, answers);
    QFETCH(int, score);
    QFETCH(QString, textAfterRun);
    Form1& form = *form_;
    form.Text1->setText(u"kept from before"_s);
    form.Correct = 3;

    variantII ? form.mmu10_Click() : form.mmu2_Click();
    QCOMPARE(texts(*recorder_), QStringList{u"Напишите слово зашифрованное флажками"_s});
    QCOMPARE(recorder_->last().caption, u"Подсказка"_s);
    QCOMPARE(recorder_->last().icon, BoxIcon::Question);
    QCOMPARE(form.Text1->text(), u"kept from before"_s);
    // Text1 shows in its 18-point face on light yellow.
    QCOMPARE(form.Text1->font().pointSizeF(), 18.0);
    const QImage field = form.Text1->grab().toImage();
    QCOMPARE(field.pixelColor(field.width() - 8, field.height() / 2), common::LightYellow);
    QCOMPARE(shownButtons(form), QList<int>{1});
    QCOMPARE(slotFlags(form), variantII ? (QList<int>{1, 13, 4, 16, 18, 10, 20, 14})
                                        : (QList<int>{22, 1, 11, 13, 0, 0, 0, 0}));
    QCOMPARE(shownSlots(form).size(), variantII ? 8 : 4);
    QCOMPARE(form.Command[5]->text(), variantII ? u"Вариант II >>>"_s : u"Вариант I >>>"_s);

    int right = 0;
    for (int k = 1; k <= WordsPerTest; ++k) {
        recorder_->clear();
        // The verdict comes up over word K, before the score moves.
        const QList<int> wordK = slotFlags(form);
        const int before = form.Correct;
        recorder_->onBox = [&](const common::BoxRequest&) {
            QCOMPARE(slotFlags(form), wordK);
            QCOMPARE(int(form.Correct), before);
        };
        answerTest1(form, k, answers[k - 1]);
        recorder_->onBox = nullptr;
        QCOMPARE(recorder_->last().caption, u"Ответ"_s);
        QCOMPARE(recorder_->last().icon, BoxIcon::Exclamation);
        right += recorder_->last().text == u"Правильно!"_s ? 1 : 0;
        QCOMPARE(int(form.Correct), right);
        if (k < WordsPerTest) {
            QCOMPARE(shownButtons(form), QList<int>{k + 1});
            QVERIFY(form.Text1->text().isEmpty());
        }
    }
    QCOMPARE(right, score);
    QCOMPARE(shownButtons(form), QList<int>{6});
    QVERIFY(shownSlots(form).isEmpty());
    QVERIFY(form.Text1->isHidden());
    QCOMPARE(form.Text1->text(), textAfterRun);

    recorder_->clear();
    QTest::mouseClick(form.Command[6], Qt::LeftButton);
    QTest::mouseClick(form.Command[6], Qt::LeftButton);
    QCOMPARE(texts(*recorder_), QStringList(2, u"Ваш результат "_s + QString::number(score)));
    QCOMPARE(recorder_->last().caption, u"Результат"_s);
    QCOMPARE(recorder_->last().icon, BoxIcon::Information);
}

void MainWindowTest::shouldRestartTest1InMidRunWithTheOtherWordList()
{
    Form1& form = *form_;
    form.mmu10_Click();
    answerTest1(form, 1, u"алгоритм"_s);
    answerTest1(form, 2, u"массив"_s);
    QCOMPARE(int(form.Correct), 2);
    form.Text1->setText(u"ме"_s);

    // Variant I over a run of variant II: four slots shown, the rest hidden with old pictures.
    form.mmu2_Click();
    QCOMPARE(int(form.Correct), 0);
    QCOMPARE(form.Text1->text(), u"ме"_s);
    QCOMPARE(shownButtons(form), QList<int>{1});
    QCOMPARE(shownSlots(form), (QList<int>{1, 2, 3, 4}));
    QCOMPARE(slotFlags(form), (QList<int>{22, 1, 11, 13, 10, 3, 20, 14}));

    // Variant II rewrites all five captions, so its later steps use its own words.
    form.mmu10_Click();
    recorder_->clear();
    answerTest1(form, 1, u"алгоритм"_s);
    answerTest1(form, 2, u"архив"_s);
    QCOMPARE(texts(*recorder_), (QStringList{u"Правильно!"_s, u"Неверно!"_s}));
    QCOMPARE(form.Command[3]->text(), u"Вариант II >>>"_s);
}

void MainWindowTest::shouldJudgeTest2BySlotsUpToTheWordsLength_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<bool>("right");
    QTest::addRow("the word") << QList<int>{5, 18, 1, 11, 3, 6, 18} << true;
    QTest::addRow("extra flag in slot 8") << QList<int>{5, 18, 1, 11, 3, 6, 18, 33} << true;
    QTest::addRow("wrong order") << QList<int>{18, 5, 1, 11, 3, 6, 18} << false;
    QTest::addRow("last flag missing") << QList<int>{5, 18, 1, 11, 3, 6} << false;
    QTest::addRow("И for Й") << QList<int>{5, 18, 1, 10, 3, 6, 18} << false;
    QTest::addRow("nothing placed") << QList<int>{} << false;
}

void MainWindowTest::shouldJudgeTest2BySlotsUpToTheWordsLength()
{
    QFETCH(QList<int>, clicks);
    QFETCH(bool, right);
    Form1& form = *form_;
    form.mmu3_Click();
    for (int n : clicks)
        QTest::mouseClick(form.Pic[n], Qt::LeftButton);
    recorder_->clear();
    QTest::mouseClick(form.Command[7], Qt::LeftButton);
    QCOMPARE(texts(*recorder_), QStringList{right ? u"Правильно!"_s : u"Неверно!"_s});
    QCOMPARE(recorder_->last().icon, BoxIcon::Exclamation);
    QCOMPARE(int(form.Correct), right ? 1 : 0);
    QCOMPARE(form.Label34->text(), u"форма"_s);
    QCOMPARE(shownButtons(form), (QList<int>{8, 11}));
    QCOMPARE(slotFlags(form), QList<int>(SlotCount, 0));
}

void MainWindowTest::shouldRunTest2ToTheEndAndShowTheScore()
{
    Form1& form = *form_;
    form.Correct = 4;
    form.mmu3_Click();
    QCOMPARE(texts(*recorder_),
             QStringList{u"Нажимайте на флажки для зашифровки слова флажками"_s});
    QCOMPARE(recorder_->last().caption, u"Подсказка"_s);
    QCOMPARE(recorder_->last().icon, BoxIcon::Question);
    QCOMPARE(form.Label34->text(), u"Драйвер"_s);

    // Each step's button, word and the flags that spell it.
    const struct
    {
        int button;
        QString word;
        QList<int> flags;
    } steps[] = {{7, u"Драйвер"_s, {5, 18, 1, 11, 3, 6, 18}},
                 {8, u"форма"_s, {22, 16, 18, 14, 1}},
                 {9, u"система"_s, {19, 10, 19, 20, 6, 14, 1}},
                 {10, u"частота"_s, {25, 1, 19, 20, 16, 20, 1}},
                 {12, u"диск"_s, {5, 10, 19, 12}}};
    int right = 0;
    for (const auto& step : steps) {
        QCOMPARE(form.Label34->text(), step.word);
        for (int n : step.flags)
            QTest::mouseClick(form.Pic[n], Qt::LeftButton);
        QTest::mouseClick(form.Command[step.button], Qt::LeftButton);
        QCOMPARE(int(form.Correct), ++right);
    }
    QCOMPARE(right, WordsPerTest);
    QCOMPARE(shownButtons(form), QList<int>{13});
    QVERIFY(form.Label34->isHidden());
    QCOMPARE(shownSlots(form).size(), SlotCount);
    QCOMPARE(slotFlags(form), QList<int>(SlotCount, 0));

    recorder_->clear();
    QTest::mouseClick(form.Command[13], Qt::LeftButton);
    QTest::mouseClick(form.Command[13], Qt::LeftButton);
    QCOMPARE(texts(*recorder_), QStringList(2, u"Ваш результат 5"_s));
    QCOMPARE(recorder_->last().caption, u"Результат"_s);
    QCOMPARE(recorder_->last().icon, BoxIcon::Information);
}

void MainWindowTest::shouldEmptySlotsOnRemoveAndRestartOnF3()
{
    Form1& form = *form_;
    form.mmu3_Click();
    QTest::mouseClick(form.Command[7], Qt::LeftButton);
    QTest::mouseClick(form.Command[8], Qt::LeftButton);
    clickFlags(form, {19, 10, 19});
    form.Correct = 2;

    QTest::mouseClick(form.Command[11], Qt::LeftButton);
    QCOMPARE(slotFlags(form), QList<int>(SlotCount, 0));
    QCOMPARE(form.Label34->text(), u"система"_s);
    QCOMPARE(int(form.Correct), 2);
    QCOMPARE(shownButtons(form), (QList<int>{9, 11}));

    clickFlags(form, {19, 10});
    form.mmu3_Click();
    QCOMPARE(int(form.Correct), 0);
    QCOMPARE(form.Label34->text(), u"Драйвер"_s);
    QCOMPARE(slotFlags(form), QList<int>(SlotCount, 0));
    QCOMPARE(shownButtons(form), (QList<int>{7, 11}));
}

void MainWindowTest::shouldHideEachTestsControlsWhenTheOtherStarts()
{
    Form1& form = *form_;
    form.mmu10_Click();
    form.mmu3_Click();
    QVERIFY(form.Text1->isHidden());
    QCOMPARE(shownButtons(form), (QList<int>{7, 11}));
    QCOMPARE(slotFlags(form), QList<int>(SlotCount, 0));

    // A finished Test 2 leaves its result button; Test 1 hides it with the rest.
    for (int n : {7, 8, 9, 10, 12})
        QTest::mouseClick(form.Command[n], Qt::LeftButton);
    form.mmu2_Click();
    QVERIFY(form.Label34->isHidden());
    QCOMPARE(shownButtons(form), QList<int>{1});
}

void MainWindowTest::shouldEndOnlyOnYesToTheExitQuestion()
{
    Form1& form = *form_;
    common::ProgramExitCatcher catcher;
    form.show();
    form.mmu2_Click();
    form.Text1->setText(u"ярл"_s);
    form.mm10_Click();
    recorder_->clear();

    recorder_->answers = {BoxAnswer::No, BoxAnswer::No, BoxAnswer::No};
    form.mmu4_Click();
    form.forumWindow()->df_Click();
    form.close();
    QCOMPARE(recorder_->count(), 3);
    QCOMPARE(recorder_->last().text, u"Выйти из программы?"_s);
    QCOMPARE(recorder_->last().caption, u"Выход"_s);
    QCOMPARE(recorder_->last().icon, BoxIcon::Question);
    QCOMPARE(recorder_->last().buttons, BoxButtons::YesNo);
    QCOMPARE(catcher.exits, 0);
    QVERIFY(form.isVisible() && form.forumWindow()->isVisible());
    QCOMPARE(form.Text1->text(), u"ярл"_s);

    QVERIFY_THROWS_EXCEPTION(common::ProgramExit, form.mmu4_Click());
    QVERIFY_THROWS_EXCEPTION(common::ProgramExit, form.forumWindow()->df_Click());
    QCOMPARE(catcher.exits, 2);
    QCOMPARE(catcher.lastCode, 0);
}

void MainWindowTest::shouldSaveScreenshots()
{
    if (qEnvironmentVariableIsEmpty("SCREENSHOT_DIR"))
        QSKIP("SCREENSHOT_DIR is not set");
    Form1& form = *form_;
    form.show();
    testsupport::saveScreenshot(&form, u"korventa_form1_start"_s);
    form.mmu2_Click();
    form.Text1->setText(u"файл"_s);
    testsupport::saveScreenshot(&form, u"korventa_form1_test1"_s);
    form.mmu3_Click();
    clickFlags(form, {5, 18, 1});
    testsupport::saveScreenshot(&form, u"korventa_form1_test2"_s);

    // All 33 flags at their own sizes, with their letters, on one sheet.
    QWidget sheet;
    sheet.setFixedSize(8 * 180 + 20, 5 * 160 + 20);
    QPixmap page(sheet.size());
    page.fill(QColor(192, 192, 255));
    {
        QPainter painter(&page);
        for (int n = 1; n <= FlagCount; ++n) {
            const QPoint at(20 + 180 * ((n - 1) % 8), 30 + 160 * ((n - 1) / 8));
            painter.drawText(at + QPoint(0, -8), korventa::flagLetter(n));
            painter.drawPixmap(at, form.flagPicture(n));
        }
    }
    auto* shown = new QLabel(&sheet);
    shown->setPixmap(page);
    shown->resize(page.size());
    testsupport::saveScreenshot(&sheet, u"korventa_flags"_s);
}

int main(int argc, char** argv)
{
    // The application object as the program sets it up.
    common::Application app(argc, argv, u"Korventa"_s);
    app.setEndAfterEscapedError(true);
    app.setQuitOnLastWindowClosed(false);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
