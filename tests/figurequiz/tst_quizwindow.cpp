#include "authorswindow.h"
#include "helpwindow.h"
#include "messagebox.h"
#include "picturefiles.h"
#include "programexit.h"
#include "quizwindow.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using figurinex::Form1;

namespace {

// The ten words of the round in their order; after them the end picture,
// всё.bmp, is shown.
const QStringList Words = {"компьютер", "программа", "сканер", "клавиатура", "принтер",
                           "процессор", "память",    "мышь",   "монитор",    "дискета"};

QString pictureOf(const QString& name)
{
    return name + QStringLiteral(".bmp");
}

// The letters of the four figures from left to right on the screen.
QString figureRow(const Form1& form)
{
    QStringList letterPictures;
    for (QChar letter : QStringLiteral("абвгдеёноэшщпты"))
        letterPictures << pictureOf(letter);
    QString row;
    for (const QLabel* image : {form.Image2, form.Image4, form.Image3, form.Image5}) {
        const QString shown = testsupport::shownPicture(image, letterPictures);
        row += shown.isEmpty() ? QStringLiteral("-") : shown.left(1);
    }
    return row;
}

QString shownWord(const Form1& form)
{
    QStringList pictures;
    for (const QString& word : Words)
        pictures << pictureOf(word);
    pictures << QStringLiteral("всё.bmp");
    return testsupport::shownPicture(form.Picture2, pictures);
}

// Types as a pupil does; QTest::keyClicks takes Latin-1 only.
void type(QWidget* widget, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void answer(Form1& form, const QString& text)
{
    form.Text1->clear();
    type(form.Text1, text);
    QTest::mouseClick(form.CommandSlovo, Qt::LeftButton);
}

int openWindows(const char* name)
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QLatin1String(name) && widget->isVisible() ? 1 : 0;
    return count;
}

} // namespace

class QuizWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldOpenEmptyWithTheTimerRunningAndFocusInTabOrder();
    void shouldShowTheWholeInstructionDescendersIncluded();
    void shouldShowTheCodeTableAsItsImageStretchesTheTable();
    void shouldCountTenRightAnswersAndStartAgainAtTheTwelfthPress();
    void shouldCountOnlyCheckedAnswersWhenAskedMidRound();
    void shouldShowTheFigurePosesOfEachTick_data();
    void shouldShowTheFigurePosesOfEachTick();
    void shouldShowAPictureReplacedOnDiskAtTheNextTick();
    void shouldEndTheProgramWithoutCountingWhenAPictureFails_data();
    void shouldEndTheProgramWithoutCountingWhenAPictureFails();
    void shouldKeepOneWindowEachAndReadPortraitsAgainAfterClosing();
    void shouldDrawAPictureAtItsOwnSizeOnTheOrdinaryGround_data();
    void shouldDrawAPictureAtItsOwnSizeOnTheOrdinaryGround();
    void shouldSaveScreenshots();
};

void QuizWindowTest::shouldOpenEmptyWithTheTimerRunningAndFocusInTabOrder()
{
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, figurinex::pictureFiles());
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(form.Timer1->isActive());
    QCOMPARE(form.Timer1->interval(), 1000);
    QCOMPARE(figureRow(form), QStringLiteral("----"));

    const QList<QWidget*> order = {form.Text1,      form.Picture2,    form.CommandСправка,
                                   form.CommandRez, form.CommandExit, form.CommandSlovo,
                                   form.Command1,   form.Text1};
    QCOMPARE(QApplication::focusWidget(), order[0]);
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), order[i]);
    }
    // Enter presses no button; "Результат" before any word counts nothing.
    type(form.Text1, QStringLiteral("мышь"));
    QTest::keyClick(form.Text1, Qt::Key_Return);
    QCOMPARE(form.wordStep(), 0);
    form.CommandRez_Click();
    QCOMPARE(form.Label3->text(), QStringLiteral("Попробуй ещё раз!"));
    QCOMPARE(form.Label2->text(), QStringLiteral("Правильных ответов -  0"));
    QCOMPARE(form.Text1->text(), QStringLiteral("мышь"));

    form.close();
    QVERIFY(!form.Timer1->isActive());
}

void QuizWindowTest::shouldShowTheWholeInstructionDescendersIncluded()
{
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, figurinex::pictureFiles());
    Form1 form;
    const QFontMetrics metrics(form.Label1->font());
    const QRect box = form.Label1->contentsRect();
    QVERIFY2(metrics.height() <= box.height(),
             qPrintable(
                 QStringLiteral("line %1 px, box %2 px").arg(metrics.height()).arg(box.height())));
    QVERIFY(metrics.horizontalAdvance(form.Label1->text()) <= box.width());
}

void QuizWindowTest::shouldShowTheCodeTableAsItsImageStretchesTheTable()
{
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, figurinex::pictureFiles());
    Form1 form;
    // The window starts with the copy the build stretched to the image's size...
    QCOMPARE(form.Image1->pixmap().size(), form.Image1->size());
    // ...and shows what the image shows when it stretches the table itself.
    QLabel stretching;
    stretching.setScaledContents(true);
    stretching.resize(form.Image1->size());
    stretching.setPixmap(QPixmap(QStringLiteral(":/figurinex/codetable.bmp")));
    const auto opaque = [](QWidget* widget) {
        return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    QCOMPARE(opaque(form.Image1), opaque(&stretching));
}

void QuizWindowTest::shouldCountTenRightAnswersAndStartAgainAtTheTwelfthPress()
{
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, figurinex::pictureFiles());
    QCOMPARE(folder.copied(), 28);
    Form1 form;
    form.Text1->setText(QStringLiteral("компьютер"));
    QTest::mouseClick(form.CommandSlovo, Qt::LeftButton);
    QCOMPARE(shownWord(form), QStringLiteral("компьютер.bmp"));
    QCOMPARE(form.correctAnswers(), 0);
    QVERIFY(form.Text1->text().isEmpty());

    for (int step = 1; step <= 10; ++step) {
        answer(form, Words.at(step - 1).toUpper());
        QCOMPARE(form.correctAnswers(), step);
        QCOMPARE(shownWord(form), step < 10 ? pictureOf(Words.at(step)) : "всё.bmp");
    }
    QCOMPARE(form.Text1->text(), QStringLiteral("Узнай свой результат!"));
    QVERIFY(!form.Text1->isEnabled());
    // Wider than the field, the text shows from its beginning.
    form.Text1->grab();
    const QRect cursor = form.Text1->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QVERIFY(cursor.left() < form.Text1->width() / 4);
    QTest::mouseClick(form.CommandRez, Qt::LeftButton);
    QCOMPARE(form.Label3->text(), QStringLiteral("Молодец!"));
    QCOMPARE(form.Label2->text(), QStringLiteral("Правильных ответов -  10"));

    QTest::mouseClick(form.CommandSlovo, Qt::LeftButton);
    QCOMPARE(shownWord(form), QStringLiteral("компьютер.bmp"));
    QCOMPARE(form.correctAnswers(), 0);
    QVERIFY(form.Text1->isEnabled());
    QVERIFY(form.Text1->text().isEmpty());
    QVERIFY(form.Label2->text().isEmpty() && form.Label3->text().isEmpty());
}

void QuizWindowTest::shouldCountOnlyCheckedAnswersWhenAskedMidRound()
{
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, figurinex::pictureFiles());
    Form1 form;
    form.CommandSlovo_Click();
    answer(form, QStringLiteral("Компьютер"));
    answer(form, QStringLiteral("программа "));
    answer(form, QStringLiteral("cканер")); // a Latin c
    type(form.Text1, QStringLiteral("клавиатура"));
    form.CommandRez_Click();
    QCOMPARE(form.Label2->text(), QStringLiteral("Правильных ответов -  1"));
    QCOMPARE(form.Text1->text(), QStringLiteral("клавиатура"));
    QCOMPARE(form.wordStep(), 4);
    form.CommandSlovo_Click();
    QCOMPARE(form.correctAnswers(), 2);
    QCOMPARE(shownWord(form), QStringLiteral("принтер.bmp"));
}

void QuizWindowTest::shouldShowTheFigurePosesOfEachTick_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("row");
    QTest::addRow("tick 1") << 1 << "бшнт";
    QTest::addRow("tick 2") << 2 << "вэгп";
    QTest::addRow("tick 3") << 3 << "гщоы";
    QTest::addRow("tick 4") << 4 << "дэгп";
    QTest::addRow("tick 7") << 7 << "ащоы";
    QTest::addRow("tick 29") << 29 << "бшнт";
}

void QuizWindowTest::shouldShowTheFigurePosesOfEachTick()
{
    QFETCH(int, ticks);
    QFETCH(QString, row);
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, figurinex::pictureFiles());
    Form1 form;
    form.Timer1->stop();
    for (int i = 0; i < ticks; ++i)
        form.Timer1_Timer();
    QCOMPARE(figureRow(form), row);
}

void QuizWindowTest::shouldShowAPictureReplacedOnDiskAtTheNextTick()
{
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, figurinex::pictureFiles());
    Form1 form;
    form.Timer1->stop();
    form.Timer1_Timer();
    QImage marker(40, 20, QImage::Format_RGB32);
    marker.fill(QColor(0, 160, 0));
    QFile::remove(folder.filePath("б.bmp"));
    marker.save(folder.filePath("б.bmp"), "BMP");
    for (int tick = 2; tick <= 7; ++tick)
        form.Timer1_Timer();
    QCOMPARE(figureRow(form), QStringLiteral("ащоы"));
    form.Timer1_Timer(); // tick 8 reads б.bmp again
    QCOMPARE(form.Image2->pixmap().toImage().pixelColor(0, 0), QColor(0, 160, 0));
}

namespace {

void failureRow(const char* name, const QString& file, const QString& damage, const QString& reason,
                int presses, int ticks, const QString& unread = QString())
{
    QTest::addRow("%s", name) << file << damage << reason << presses << ticks << unread;
}

} // namespace

void QuizWindowTest::shouldEndTheProgramWithoutCountingWhenAPictureFails_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("damage"); // what lies there instead of the picture
    QTest::addColumn<QString>("reason"); // what the box says about it
    QTest::addColumn<int>("presses");    // presses of "Слово" that still succeed
    QTest::addColumn<int>("ticks");      // ticks that still succeed; -1: fail at "Авторы"
    QTest::addColumn<QString>("unread"); // a named pipe the failure must leave unopened
    failureRow("first word", "компьютер.bmp", "missing", "не найден", 0, 0);
    failureRow("broken word", "память.bmp", "garbage", "повреждён", 6, 0);
    failureRow("word cut short", "сканер.bmp", "cut", "обрывается", 2, 0);
    failureRow("word as a named pipe", "программа.bmp", "fifo", "канал", 1, 0);
    failureRow("end picture", "всё.bmp", "missing", "не найден", 10, 0);
    failureRow("letter at tick 1", "ш.bmp", "missing", "не найден", -1, 0);
    failureRow("letter at tick 4", "д.bmp", "missing", "не найден", -1, 3);
    failureRow("broken letter", "т.bmp", "garbage", "повреждён", -1, 0);
    failureRow("letter cut short", "щ.bmp", "cut", "обрывается", -1, 2);
    failureRow("letter as a named pipe", "б.bmp", "fifo", "канал", -1, 0);
    failureRow("letter linked to an endless device", "ы.bmp", "zero", "устройство", -1, 2);
    failureRow("letter whose header claims 20000 x 20000", "н.bmp", "bomb", "слишком велик", -1, 0);
    failureRow("first portrait", "zorbo.jpg", "missing", "не найден", -1, -1);
    failureRow("first portrait cut short, second not read", "zorbo.jpg", "cut", "обрывается", -1,
               -1, "lirra.jpg");
    failureRow("broken portrait", "lirra.jpg", "garbage", "повреждён", -1, -1);
}

void QuizWindowTest::shouldEndTheProgramWithoutCountingWhenAPictureFails()
{
    QFETCH(QString, file);
    QFETCH(QString, damage);
    QFETCH(QString, reason);
    QFETCH(int, presses);
    QFETCH(int, ticks);
    QFETCH(QString, unread);
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, figurinex::pictureFiles());
    std::unique_ptr<testsupport::FifoPeer> fifo;
    QVERIFY(folder.spoilPicture(file, damage, &fifo));
    std::unique_ptr<testsupport::FifoPeer> untouched;
    if (!unread.isEmpty()) {
        QFile::remove(folder.filePath(unread));
        untouched = std::make_unique<testsupport::FifoPeer>(folder.filePath(unread));
    }
    Form1 form;
    form.Timer1->stop();
    common::MessageBoxRecorder recorder;
    common::ProgramExitCatcher catcher;

    for (int i = 0; i < presses; ++i) {
        form.Text1->setText(Words.value(form.wordStep() - 1));
        form.CommandSlovo_Click();
    }
    for (int i = 0; i < ticks; ++i)
        form.Timer1_Timer();
    const int counted = form.correctAnswers();
    QCOMPARE(catcher.exits, 0);
    if (presses >= 0) {
        form.Text1->setText(Words.value(form.wordStep() - 1));
        QVERIFY_THROWS_EXCEPTION(common::ProgramExit, form.CommandSlovo_Click());
        QCOMPARE(form.correctAnswers(), counted);
    } else if (ticks >= 0) {
        QVERIFY_THROWS_EXCEPTION(common::ProgramExit, form.Timer1_Timer());
    } else {
        QVERIFY_THROWS_EXCEPTION(common::ProgramExit, form.Command1_Click());
        QVERIFY(form.authorsWindow() == nullptr);
        QCOMPARE(openWindows("Form3"), 0);
    }
    for (auto* pipe : {fifo.get(), untouched.get()})
        QVERIFY2(pipe == nullptr || (pipe->made() && !pipe->touched()), "a named pipe was opened");
    QCOMPARE(catcher.lastCode, 1);
    QCOMPARE(recorder.count(), 1);
    const QString text = recorder.last().text;
    QVERIFY2(text.contains(file) && text.contains(reason), qPrintable(text));
    QVERIFY(text.contains(QDir::toNativeSeparators(folder.path())));
}

void QuizWindowTest::shouldKeepOneWindowEachAndReadPortraitsAgainAfterClosing()
{
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, figurinex::pictureFiles());
    auto form = std::make_unique<Form1>();
    form->show();
    for (int press = 0; press < 2; ++press) {
        QTest::mouseClick(form->CommandСправка, Qt::LeftButton);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
    }
    QCOMPARE(openWindows("Form2"), 1);
    QCOMPARE(openWindows("Form3"), 1);
    QVERIFY(form->helpWindow()->parentWidget() == nullptr);

    // Closing the quiz window leaves the others open; while open, a press
    // reads nothing.
    form->close();
    QVERIFY(form->authorsWindow()->isVisible());
    QFile::remove(folder.filePath("lirra.jpg"));
    common::MessageBoxRecorder recorder;
    common::ProgramExitCatcher catcher;
    form->Command1_Click();
    QCOMPARE(catcher.exits, 0);

    // The close box discards the window: the next press loads it anew.
    QPointer<figurinex::Form3> closed = form->authorsWindow();
    closed->close();
    QVERIFY_THROWS_EXCEPTION(common::ProgramExit, form->Command1_Click());
    QVERIFY(closed.isNull());
    QVERIFY(recorder.last().text.contains(QStringLiteral("lirra.jpg")));

    form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(openWindows("Form2"), 0);
}

void QuizWindowTest::shouldDrawAPictureAtItsOwnSizeOnTheOrdinaryGround_data()
{
    QTest::addColumn<QString>("file");
    QTest::addRow("word box") << "компьютер.bmp";
    QTest::addRow("left portrait") << "zorbo.jpg";
    QTest::addRow("right portrait") << "lirra.jpg";
}

// A picture smaller than its box sits in the top-left corner, unstretched,
// and the rest of the box keeps the ordinary ground, not the window's orange.
void QuizWindowTest::shouldDrawAPictureAtItsOwnSizeOnTheOrdinaryGround()
{
    QFETCH(QString, file);
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, figurinex::pictureFiles());
    const QColor marker(0, 160, 0);
    QImage small(24, 16, QImage::Format_RGB32);
    small.fill(marker);
    QFile::remove(folder.filePath(file));
    QVERIFY(small.save(folder.filePath(file), file.endsWith(".jpg") ? "JPG" : "BMP"));

    Form1 form;
    form.Timer1->stop();
    QWidget* window = &form;
    QLabel* box = form.Picture2;
    if (file.endsWith(".jpg")) {
        form.Command1_Click();
        window = form.authorsWindow();
        box = window->findChild<QLabel*>(file == "zorbo.jpg" ? "Picture1" : "Picture2");
    } else {
        form.CommandSlovo_Click();
    }
    QVERIFY(box);
    const QImage shown = window->grab().toImage();
    const QPoint corner = box->geometry().topLeft();
    const QColor inside = shown.pixelColor(corner + QPoint(12, 8));
    QVERIFY2(qAbs(inside.green() - marker.green()) < 12 && inside.red() < 12,
             qPrintable(inside.name()));
    const QColor ground = QApplication::palette().color(QPalette::Button);
    QCOMPARE(shown.pixelColor(corner + QPoint(30, 8)), ground);
    QCOMPARE(shown.pixelColor(box->geometry().bottomRight() - QPoint(2, 2)), ground);
}

void QuizWindowTest::shouldSaveScreenshots()
{
    if (qEnvironmentVariableIsEmpty("SCREENSHOT_DIR"))
        QSKIP("SCREENSHOT_DIR is not set");
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, figurinex::pictureFiles());
    Form1 form;
    form.Timer1->stop();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.CommandSlovo_Click();
    answer(form, QStringLiteral("компьютер"));
    answer(form, QStringLiteral("програма"));
    type(form.Text1, QStringLiteral("скан"));
    form.CommandRez_Click();
    for (int tick = 0; tick < 3; ++tick)
        form.Timer1_Timer();
    testsupport::saveScreenshot(&form, QStringLiteral("figurinex-quiz"));
    form.CommandСправка_Click();
    testsupport::saveScreenshot(form.helpWindow(), QStringLiteral("figurinex-help"));
    form.Command1_Click();
    testsupport::saveScreenshot(form.authorsWindow(), QStringLiteral("figurinex-authors"));
}

QTEST_MAIN(QuizWindowTest)
#include "tst_quizwindow.moc"
