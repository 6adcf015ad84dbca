#include "application.h"
#include "forumwindow.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "testsupport.h"

#include <QPlainTextEdit>
#include <QtTest>

#include <memory>

using common::BoxIcon;
using korventa::Form1;
using namespace Qt::Literals::StringLiterals;

class ForumWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shouldSaveNotebookRecordsToForumFile();
    void shouldKeepTheNotebookTextWhenTheFileCannotBeWritten_data();
    void shouldKeepTheNotebookTextWhenTheFileCannotBeWritten();
    void shouldSaveScreenshots();

private:
    std::unique_ptr<testsupport::TemporaryCurrentFolder> folder_;
    std::unique_ptr<common::MessageBoxRecorder> recorder_;
    std::unique_ptr<Form1> form_;
};

void ForumWindowTest::init()
{
    folder_ = std::make_unique<testsupport::TemporaryCurrentFolder>();
    recorder_ = std::make_unique<common::MessageBoxRecorder>();
    form_ = std::make_unique<Form1>();
}

void ForumWindowTest::cleanup()
{
    form_.reset();
    recorder_.reset();
    folder_.reset();
}

void ForumWindowTest::shouldSaveNotebookRecordsToForumFile()
{
    form_->mm10_Click();
    korventa::Form5* forum = form_->forumWindow();
    forum->Text1->setPlainText(u"abc"_s);
    forum->as_Click();
    QCOMPARE(folder_->readFile(u"FORUM.txt"_s), QByteArray("\"abc\"\r\n"));
    forum->as_Click();
    forum->fg_Click();
    forum->as_Click();
    QCOMPARE(folder_->readFile(u"FORUM.txt"_s), QByteArray("\"abc\"\r\n\"abc\"\r\n\"\"\r\n"));
    QVERIFY(recorder_->boxes.empty());

    // The box's text goes in as typed: a no-break space stays one, lines end in CR LF.
    QFile::remove(u"FORUM.txt"_s);
    forum->Text1->setPlainText(u"5\u00a0км\nдальше"_s);
    forum->as_Click();
    QCOMPARE(folder_->readFile(u"FORUM.txt"_s),
             QByteArray("\"5\xa0\xea\xec\r\n\xe4\xe0\xeb\xfc\xf8\xe5\"\r\n"));

    // "Выйти из форума" and the close box keep the text for the next opening.
    forum->Text1->setPlainText(u"later"_s);
    forum->sd_Click();
    QVERIFY(forum->isHidden());
    form_->mm10_Click();
    QCOMPARE(form_->forumWindow(), forum);
    forum->close();
    QVERIFY(forum->isHidden());
    QCOMPARE(forum->Text1->toPlainText(), u"later"_s);
}

void ForumWindowTest::shouldKeepTheNotebookTextWhenTheFileCannotBeWritten_data()
{
    // What lies under the name FORUM.txt instead of a file, and what the box says.
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<QString>("reason");
    // Root writes through permissions: a folder stops any user.
    QTest::addRow("folder") << u"folder"_s << u"папка"_s;
    QTest::addRow("named pipe") << u"fifo"_s << u"канал"_s;
    QTest::addRow("link to a device") << u"device"_s << u"устройство"_s;
    QTest::addRow("links in a loop") << u"loop"_s << u"кольцо"_s;
}

void ForumWindowTest::shouldKeepTheNotebookTextWhenTheFileCannotBeWritten()
{
    QFETCH(QString, blocker);
    QFETCH(QString, reason);
    Form1& form = *form_;
    form.mm10_Click();
    korventa::Form5* forum = form.forumWindow();
    forum->Text1->setPlainText(u"first"_s);
    forum->as_Click();

    const QString path = folder_->filePath(u"FORUM.txt"_s);
    QVERIFY(QFile::rename(path, folder_->filePath(u"kept.txt"_s)));
    std::unique_ptr<testsupport::FifoPeer> fifo;
    QVERIFY(testsupport::placeNonFile(path, blocker, &fifo));

    forum->Text1->setPlainText(u"не потеряй меня"_s);
    forum->as_Click();
    if (fifo)
        QVERIFY2(!fifo->touched(), "the named pipe was opened");
    QCOMPARE(recorder_->count(), 1);
    QCOMPARE(recorder_->last().caption, u"Ошибка"_s);
    QCOMPARE(recorder_->last().icon, BoxIcon::Stop);
    const QString text = recorder_->last().text;
    QVERIFY(text.contains(u"FORUM.txt"_s));
    QVERIFY2(text.contains(reason) && !text.contains(u"код"_s), qPrintable(text));
    QCOMPARE(forum->Text1->toPlainText(), u"не потеряй меня"_s);
    QVERIFY(forum->isVisible());

    // Once the way is clear again the same text goes in after the earlier record.
    fifo.reset();
    QFile::remove(path + u".link"_s);
    QVERIFY(QFile::remove(path) || QDir(folder_->path()).rmdir(u"FORUM.txt"_s));
    QVERIFY(QFile::rename(folder_->filePath(u"kept.txt"_s), path));
    forum->as_Click();
    QCOMPARE(recorder_->count(), 1);
    QCOMPARE(
        folder_->readFile(u"FORUM.txt"_s),
        QByteArray("\"first\"\r\n\"\xed\xe5 \xef\xee\xf2\xe5\xf0\xff\xe9 \xec\xe5\xed\xff\"\r\n"));
}

void ForumWindowTest::shouldSaveScreenshots()
{
    if (qEnvironmentVariableIsEmpty("SCREENSHOT_DIR"))
        QSKIP("SCREENSHOT_DIR is not set");
    form_->mm10_Click();
    form_->forumWindow()->Text1->setPlainText(u"Мне понравился тест №2."_s);
    testsupport::saveScreenshot(form_->forumWindow(), u"korventa_form5_forum"_s);
}

int main(int argc, char** argv)
{
    // The application object as the program sets it up.
    common::Application app(argc, argv, u"Korventa"_s);
    app.setEndAfterEscapedError(true);
    app.setQuitOnLastWindowClosed(false);
    ForumWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_forumwindow.moc"
