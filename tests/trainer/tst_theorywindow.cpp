#include "application.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "program.h"
#include "testsupport.h"
#include "theorywindow.h"

#include <QAction>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace veritabula;

class TheoryWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shouldScrollTheTheoryPageAndLeaveItOnlyByItsMenu();
    void shouldDecodeThePageWhenFirstShown();
    void shouldLeaveThePageEmptyWhenThePictureIsBroken_data();
    void shouldLeaveThePageEmptyWhenThePictureIsBroken();

private:
    std::unique_ptr<testsupport::TemporaryCurrentFolder> folder_;
    std::unique_ptr<common::MessageBoxRecorder> boxes_;
};

void TheoryWindowTest::init()
{
    folder_ = std::make_unique<testsupport::TemporaryCurrentFolder>(VERITABULA_FOLDER,
                                                                    QStringList{"theory.jpg"});
    QCOMPARE(folder_->copied(), 1);
    boxes_ = std::make_unique<common::MessageBoxRecorder>();
}

void TheoryWindowTest::cleanup()
{
    destroyWindows();
    boxes_.reset();
    folder_.reset();
}

void TheoryWindowTest::shouldScrollTheTheoryPageAndLeaveItOnlyByItsMenu()
{
    createWindows();
    QVERIFY(!(frmTeor->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
    frmMain->hide();
    frmTeor->show();
    QScrollBar* bar = frmTeor->scrollArea()->verticalScrollBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->value(), 0);
    QCOMPARE(frmTeor->Image1->geometry(), QRect(8, 0, 600, 2434));
    testsupport::saveScreenshot(frmTeor, QStringLiteral("theory-top"));

    bar->setValue(bar->maximum());
    const QWidget* viewport = frmTeor->scrollArea()->viewport();
    QCOMPARE(frmTeor->Image1->mapTo(viewport, QPoint(0, 2434)).y(), viewport->height());
    testsupport::saveScreenshot(frmTeor, QStringLiteral("theory-bottom"));

    frmTeor->N1->trigger(); // "Назад"
    QVERIFY(!frmTeor->isVisible());
    QVERIFY(frmMain->isVisible());
    frmMain->hide();
    frmTeor->show();
    frmTeor->N2->trigger(); // "Выход"
    QVERIFY(!frmTeor->isVisible());
    QVERIFY(!frmMain->isVisible());
}

void TheoryWindowTest::shouldDecodeThePageWhenFirstShown()
{
    createWindows();
    // At start only the main menu is seen: the page is read when first shown,
    // and has its picture before it is drawn.
    QVERIFY(frmTeor->Image1->pixmap().isNull());
    frmTeor->show();
    QCOMPARE(frmTeor->Image1->pixmap().size(), QSize(600, 2434));
    QCOMPARE(frmTeor->scrollArea()->widget()->size(), QSize(608, 2434));
}

void TheoryWindowTest::shouldLeaveThePageEmptyWhenThePictureIsBroken_data()
{
    testsupport::addPictureDamageRows();
}

void TheoryWindowTest::shouldLeaveThePageEmptyWhenThePictureIsBroken()
{
    QFETCH(QString, damage);
    std::unique_ptr<testsupport::FifoPeer> fifo;
    QVERIFY(folder_->spoilPicture(QStringLiteral("theory.jpg"), damage, &fifo));
    createWindows();
    frmMain->hide();
    frmTeor->show();
    QVERIFY(frmTeor->Image1->pixmap().isNull());
    // The page keeps its length, so that the scroll bar is as it always is.
    QCOMPARE(frmTeor->scrollArea()->widget()->height(), 2434);
    QCOMPARE(boxes_->count(), 0);
    if (fifo)
        QVERIFY2(!fifo->touched(), "the named pipe was opened");
}

int main(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("Veritabula"));
    TheoryWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_theorywindow.moc"
