#include "aboutwindow.h"
#include "application.h"
#include "authorswindow.h"
#include "helpwindow.h"
#include "imagecontrol.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using korventa::Form1;
using namespace Qt::Literals::StringLiterals;

class InfoWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shouldStepTheSlideshowsEvenWhenHiddenAndKeepTheirTexts();
    void shouldSaveScreenshots();

private:
    std::unique_ptr<testsupport::TemporaryCurrentFolder> folder_;
    std::unique_ptr<common::MessageBoxRecorder> recorder_;
    std::unique_ptr<Form1> form_;
};

void InfoWindowTest::init()
{
    folder_ = std::make_unique<testsupport::TemporaryCurrentFolder>();
    recorder_ = std::make_unique<common::MessageBoxRecorder>();
    form_ = std::make_unique<Form1>();
}

void InfoWindowTest::cleanup()
{
    form_.reset();
    recorder_.reset();
    folder_.reset();
}

void InfoWindowTest::shouldStepTheSlideshowsEvenWhenHiddenAndKeepTheirTexts()
{
    Form1& form = *form_;
    form.mm6_Click();
    form.mm7_Click();
    form.mm8_Click();
    QCOMPARE(form.helpWindow()->Timer1->interval(), 500);
    QCOMPARE(form.aboutWindow()->Timer1->interval(), 501);
    QCOMPARE(form.authorsWindow()->Timer1->interval(), 500);

    korventa::Form2* help = form.helpWindow();
    QCOMPARE(help->Image1->pictureKey(), 0);
    help->Timer1_Timer();
    QCOMPARE(help->Image1->pictureKey(), form.Pic[2]->pictureKey());
    QTest::mouseClick(help->Command1, Qt::LeftButton);
    QVERIFY(help->isHidden());
    for (int tick = 2; tick <= 32; ++tick)
        help->Timer1_Timer();
    QCOMPARE(help->Image1->pictureKey(), form.Pic[33]->pictureKey());
    help->Timer1_Timer();
    QCOMPARE(help->Image1->pictureKey(), form.Pic[1]->pictureKey());
    QCOMPARE(form.aboutWindow()->FlagStep, 0);

    // Opening again neither makes a second window nor reloads its texts; the
    // real timer goes on ticking while the window is hidden.
    help->Label1->setText(u"changed"_s);
    form.mm6_Click();
    QCOMPARE(form.helpWindow(), help);
    QCOMPARE(help->Label1->text(), u"changed"_s);
    QCOMPARE(help->Image1->pictureKey(), form.Pic[1]->pictureKey());
    help->close();
    QVERIFY(help->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(help->FlagStep >= 2, 3000);
    QVERIFY(form.aboutWindow()->Label1->text().endsWith(u"тот владеет миром'"_s));
}

void InfoWindowTest::shouldSaveScreenshots()
{
    if (qEnvironmentVariableIsEmpty("SCREENSHOT_DIR"))
        QSKIP("SCREENSHOT_DIR is not set");
    Form1& form = *form_;
    form.mm6_Click();
    form.mm7_Click();
    form.mm8_Click();
    for (int tick = 0; tick < 4; ++tick) {
        form.helpWindow()->Timer1_Timer();
        form.aboutWindow()->Timer1_Timer();
        form.authorsWindow()->Timer1_Timer();
    }
    testsupport::saveScreenshot(form.helpWindow(), u"korventa_form2_help"_s);
    testsupport::saveScreenshot(form.aboutWindow(), u"korventa_form3_about"_s);
    testsupport::saveScreenshot(form.authorsWindow(), u"korventa_form4_authors"_s);
}

int main(int argc, char** argv)
{
    // The application object as the program sets it up.
    common::Application app(argc, argv, u"Korventa"_s);
    app.setEndAfterEscapedError(true);
    app.setQuitOnLastWindowClosed(false);
    InfoWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_infowindow.moc"
