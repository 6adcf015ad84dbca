#include "application.h"
#include "authorswindow.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "program.h"
#include "testsupport.h"

#include <QLabel>
#include <QTest>

#include <memory>

using namespace veritabula;

class AuthorsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shouldShowTheAuthorsBesideTheMainMenu();
    void shouldDecodeThePageWhenFirstShown();
    void shouldLeaveTheBackgroundEmptyWhenThePictureIsBroken_data();
    void shouldLeaveTheBackgroundEmptyWhenThePictureIsBroken();

private:
    std::unique_ptr<testsupport::TemporaryCurrentFolder> folder_;
    std::unique_ptr<common::MessageBoxRecorder> boxes_;
};

void AuthorsWindowTest::init()
{
    folder_ = std::make_unique<testsupport::TemporaryCurrentFolder>(VERITABULA_FOLDER,
                                                                    QStringList{"authors.jpg"});
    QCOMPARE(folder_->copied(), 1);
    boxes_ = std::make_unique<common::MessageBoxRecorder>();
}

void AuthorsWindowTest::cleanup()
{
    destroyWindows();
    boxes_.reset();
    folder_.reset();
}

void AuthorsWindowTest::shouldShowTheAuthorsBesideTheMainMenu()
{
    createWindows();
    QVERIFY(FormInfo->lblinfo->text().isEmpty());
    FormInfo->show();
    QVERIFY(frmMain->isVisible());
    QCOMPARE(FormInfo->pos(), QPoint(106, 142));
    QCOMPARE(FormInfo->size(), QSize(709, 457));
    QCOMPARE(FormInfo->lblinfo->text(), TFormInfo::credits());
    QCOMPARE(FormInfo->lblinfo2->text(), TFormInfo::contactLine());
    QCOMPARE(FormInfo->lblinfo->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    QVERIFY(!FormInfo->ImageBack->pixmap().isNull());
    QCOMPARE(FormInfo->ImageBack->pixmap().height(), 505);
    testsupport::saveScreenshot(FormInfo, QStringLiteral("authors"));

    QVERIFY(FormInfo->close());
    QVERIFY(!FormInfo->isVisible());
    QVERIFY(frmMain->isVisible());
    FormInfo->show();
    QCOMPARE(FormInfo->lblinfo->text(), TFormInfo::credits());
}

void AuthorsWindowTest::shouldDecodeThePageWhenFirstShown()
{
    createWindows();
    // At start only the main menu is seen: the background is read when the
    // page is first shown, before it is drawn.
    QVERIFY(FormInfo->ImageBack->pixmap().isNull());
    FormInfo->show();
    QCOMPARE(FormInfo->ImageBack->pixmap().height(), 505);
}

void AuthorsWindowTest::shouldLeaveTheBackgroundEmptyWhenThePictureIsBroken_data()
{
    testsupport::addPictureDamageRows();
}

void AuthorsWindowTest::shouldLeaveTheBackgroundEmptyWhenThePictureIsBroken()
{
    QFETCH(QString, damage);
    std::unique_ptr<testsupport::FifoPeer> fifo;
    QVERIFY(folder_->spoilPicture(QStringLiteral("authors.jpg"), damage, &fifo));
    createWindows();
    FormInfo->show();
    QVERIFY(FormInfo->ImageBack->pixmap().isNull());
    QCOMPARE(FormInfo->lblinfo->text(), TFormInfo::credits());
    QCOMPARE(boxes_->count(), 0);
    if (fifo)
        QVERIFY2(!fifo->touched(), "the named pipe was opened");
}

int main(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("Veritabula"));
    AuthorsWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_authorswindow.moc"
