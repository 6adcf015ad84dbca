#include "application.h"
#include "authorswindow.h"
#include "expressionwindow.h"
#include "ipsettings.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "program.h"
#include "testsupport.h"
#include "theorywindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace veritabula;

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shouldFillFieldsFromSettingsFile_data();
    void shouldFillFieldsFromSettingsFile();
    void shouldLockAddressAndPortOnceTheExerciseOpens();
    void shouldStartFocusAtFirstInTabOrder();
    void shouldLeaveTheBackgroundEmptyWhenThePictureIsBroken_data();
    void shouldLeaveTheBackgroundEmptyWhenThePictureIsBroken();
    void shouldDrawTheWindow();

private:
    std::unique_ptr<testsupport::TemporaryCurrentFolder> folder_;
    std::unique_ptr<common::MessageBoxRecorder> boxes_;
};

void MainWindowTest::init()
{
    // The background the build lays out beside the program.
    folder_ = std::make_unique<testsupport::TemporaryCurrentFolder>(VERITABULA_FOLDER,
                                                                    QStringList{"menu.jpg"});
    QCOMPARE(folder_->copied(), 1);
    boxes_ = std::make_unique<common::MessageBoxRecorder>();
}

void MainWindowTest::cleanup()
{
    destroyWindows();
    boxes_.reset();
    folder_.reset();
}

void MainWindowTest::shouldFillFieldsFromSettingsFile_data()
{
    // What lies under the name IP.ini, and what the box, if any, says why.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("reason");
    const auto row = [](const char* name, const char* kind, const char* port, const char* reason) {
        QTest::addRow("%s", name) << QString(kind) << QString(port) << QString(reason);
    };
    row("no file", "none", "", "");
    row("file", "file", "49003", "");
    row("file at the size bound", "bound", "49003", "");
    row("folder", "folder", "", "папка");
    row("named pipe", "fifo", "", "канал");
    row("link to an endless device", "zero", "", "устройство");
    row("file over the size bound", "huge", "", "слишком большой");
    row("link that leads nowhere", "dangling", "", "ссылка");
    row("links in a loop", "loop", "", "кольцо");
}

void MainWindowTest::shouldFillFieldsFromSettingsFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString name = QStringLiteral("IP.ini");
    const QString path = folder_->filePath(name);
    QByteArray file("ip=127.0.0.1\r\nport=49003\r\n");
    std::unique_ptr<testsupport::FifoPeer> fifo;
    if (kind == "file") {
        folder_->writeFile(name, file);
    } else if (kind == "bound" || kind == "huge") {
        file.append(QByteArray(MaxIpSettingsBytes - file.size(), ' '));
        folder_->writeFile(name, kind == "bound" ? file : file + " ");
    } else if (kind != "none") {
        QVERIFY(testsupport::placeNonFile(path, kind, &fifo));
    }
    createWindows();

    QTEST(frmMain->EditPort->text(), "port");
    QCOMPARE(frmMain->EditIP->text().isEmpty(), frmMain->EditPort->text().isEmpty());
    if (fifo)
        QVERIFY2(!fifo->touched(), "the named pipe was opened");
    QCOMPARE(boxes_->count(), reason.isEmpty() ? 0 : 1);
    if (!reason.isEmpty()) {
        QCOMPARE(boxes_->last().caption, QStringLiteral("Veritabula"));
        QCOMPARE(boxes_->last().icon, common::BoxIcon::Stop);
        QVERIFY2(boxes_->last().text.contains(name) && boxes_->last().text.contains(reason),
                 qPrintable(boxes_->last().text));
    }
    QVERIFY(frmMain->isVisible() && !frmTable->isVisible() && !frmTeor->isVisible());
}

void MainWindowTest::shouldLockAddressAndPortOnceTheExerciseOpens()
{
    createWindows();
    frmMain->EditPort->setText(QStringLiteral("1"));
    frmMain->N1->trigger(); // "О программе" opens beside the menu
    QVERIFY(FormInfo->isVisible() && frmMain->isVisible());
    QTest::mouseClick(frmMain->btnTabl, Qt::LeftButton);
    QVERIFY(frmTable->isVisible() && !frmMain->isVisible());
    frmTable->N2Click();
    QVERIFY(frmMain->isVisible() && !frmTable->isVisible());
    QVERIFY(!frmMain->EditIP->isEnabled() && !frmMain->EditPort->isEnabled());
    QVERIFY(frmMain->EditName->isEnabled());
    QTest::mouseClick(frmMain->btnTeor, Qt::LeftButton);
    QVERIFY(frmTeor->isVisible() && !frmMain->isVisible());
}

void MainWindowTest::shouldStartFocusAtFirstInTabOrder()
{
    createWindows();
    frmMain->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frmMain));
    QCOMPARE(testsupport::focusRing(frmMain).join(QLatin1Char(' ')),
             QStringLiteral("btnTabl btnTeor EditIP EditName EditPort"));
}

void MainWindowTest::shouldLeaveTheBackgroundEmptyWhenThePictureIsBroken_data()
{
    testsupport::addPictureDamageRows();
}

void MainWindowTest::shouldLeaveTheBackgroundEmptyWhenThePictureIsBroken()
{
    QFETCH(QString, damage);
    std::unique_ptr<testsupport::FifoPeer> fifo;
    QVERIFY(folder_->spoilPicture(QStringLiteral("menu.jpg"), damage, &fifo));
    createWindows();
    QVERIFY(frmMain->isVisible());
    QVERIFY(frmMain->Image1->pixmap().isNull());
    QCOMPARE(boxes_->count(), 0);
    if (fifo)
        QVERIFY2(!fifo->touched(), "the named pipe was opened");
}

void MainWindowTest::shouldDrawTheWindow()
{
    folder_->writeFile(QStringLiteral("IP.ini"), "ip=192.168.1.10\r\nport=49003\r\n");
    createWindows();
    // The background is read at start.
    QVERIFY(!frmMain->Image1->pixmap().isNull());
    frmMain->EditName->setText(QStringLiteral("Ученик"));
    testsupport::saveScreenshot(frmMain, QStringLiteral("veritabula-main-menu"));
}

int main(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("Veritabula"));
    app.setQuitOnLastWindowClosed(false);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
