#include "application.h"
#include "messagebox.h"
#include "programexit.h"
#include "style.h"

#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QToolButton>
#include <QtTest>

#include <memory>

#include <stdexcept>

using common::BoxIcon;

namespace {

// An object whose event handler fails, as a window's handler might.
class FailingHandler : public QObject
{
public:
    int calls = 0;
    bool event(QEvent*) override
    {
        ++calls;
        throw std::runtime_error("Сбой");
    }
};

} // namespace

class ApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    // First: it looks at what the process has loaded so far.
    void shouldMakeAMenuBarWithoutLoadingImagePlugins();
    void shouldAddAFullStopToAnEscapedError_data();
    void shouldAddAFullStopToAnEscapedError();
    void shouldShowAnErrorEscapingAHandlerAndGoOn();
    void shouldShowAnErrorEscapingAHandlerThenEndWhenAskedTo();
};

namespace {

bool imagePluginsLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

} // namespace

// A menu bar makes its extension button at once; the button's icon is read
// only when drawn, and then it is the style's own.
void ApplicationTest::shouldMakeAMenuBarWithoutLoadingImagePlugins()
{
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Файл"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!imagePluginsLoaded());

    auto* extension = window.menuBar()->findChild<QToolButton*>();
    QVERIFY(extension);
    const auto* style = dynamic_cast<const common::Style*>(QApplication::style());
    QVERIFY(style);
    const std::unique_ptr<QStyle> own(QStyleFactory::create(style->baseStyle()->name()));
    const QIcon expected = own->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!expected.isNull());
    QCOMPARE(extension->icon().pixmap(16).toImage(), expected.pixmap(16).toImage());
    QCOMPARE(extension->icon().actualSize(QSize(64, 64)), expected.actualSize(QSize(64, 64)));
}

void ApplicationTest::shouldAddAFullStopToAnEscapedError_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("shown");
    QTest::addRow("without stop") << "Ошибка ввода"
                                  << "Ошибка ввода.";
    QTest::addRow("with stop") << "Ошибка ввода."
                               << "Ошибка ввода.";
    QTest::addRow("empty") << ""
                           << ".";
}

void ApplicationTest::shouldAddAFullStopToAnEscapedError()
{
    QFETCH(QString, what);
    QFETCH(QString, shown);
    QCOMPARE(common::escapedErrorText(std::runtime_error(what.toStdString())), shown);
}

void ApplicationTest::shouldShowAnErrorEscapingAHandlerAndGoOn()
{
    common::MessageBoxRecorder recorder;
    FailingHandler handler;
    QEvent event(QEvent::User);
    auto* app = static_cast<common::Application*>(QCoreApplication::instance());
    QCOMPARE(app->notify(&handler, &event), false);
    QCOMPARE(app->notify(&handler, &event), false);
    QCOMPARE(handler.calls, 2);
    QCOMPARE(recorder.count(), 2);
    QCOMPARE(recorder.last().text, QString("Сбой."));
    QCOMPARE(recorder.last().caption, QString("Veritabula"));
    QCOMPARE(recorder.last().icon, BoxIcon::Stop);
}

// The quizzes trap no error: the box comes first, then the program ends.
void ApplicationTest::shouldShowAnErrorEscapingAHandlerThenEndWhenAskedTo()
{
    auto* app = static_cast<common::Application*>(QCoreApplication::instance());
    QVERIFY(!app->endAfterEscapedError());
    app->setEndAfterEscapedError(true);
    const auto goOnAgain = qScopeGuard([app] { app->setEndAfterEscapedError(false); });
    common::MessageBoxRecorder recorder;
    common::ProgramExitCatcher catcher;
    int exitsAtBox = -1;
    recorder.onBox = [&](const common::BoxRequest&) { exitsAtBox = catcher.exits; };
    FailingHandler handler;
    QEvent event(QEvent::User);
    QVERIFY_THROWS_EXCEPTION(common::ProgramExit, app->notify(&handler, &event));
    QCOMPARE(handler.calls, 1);
    QCOMPARE(recorder.count(), 1);
    QCOMPARE(exitsAtBox, 0);
    QCOMPARE(recorder.last().text, QString("Сбой."));
    QCOMPARE(recorder.last().icon, BoxIcon::Stop);
    QCOMPARE(catcher.exits, 1);
    QCOMPARE(catcher.lastCode, 1);
}

int main(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("Veritabula"));
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
