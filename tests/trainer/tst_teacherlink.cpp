#include "application.h"
#include "expressionwindow.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "program.h"
#include "teacherlink.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

using namespace veritabula;

class TeacherLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shouldConvertPortText_data();
    void shouldConvertPortText();
    void shouldSendExactResultLinesBackToBack();
    void shouldReplaceTeacherBoxWithEachArrival();
    void shouldKeepConnectionAndReconnectAfterServerCloses();
    void shouldStayQuietWithoutServer();
    void shouldStopShowingAtBadPort_data();
    void shouldStopShowingAtBadPort();
    void shouldSurviveFlood();
    void shouldAnswerClicksWhileTheTeacherSends_data();
    void shouldAnswerClicksWhileTheTeacherSends();
    void shouldShowTextSentJustBeforeTheServerCloses();
    void shouldCloseLinkAndMainMenuWhenWindowCloses();

private:
    QTcpSocket* openConnected();

    std::unique_ptr<testsupport::TemporaryCurrentFolder> folder_;
    std::unique_ptr<common::MessageBoxRecorder> boxes_;
    std::unique_ptr<QTcpServer> server_;
};

namespace {

// Everything the server receives until `size` bytes are there, and a little after.
QByteArray receive(QTcpSocket* peer, qsizetype size)
{
    QByteArray bytes;
    (void)QTest::qWaitFor([&] { return (bytes += peer->readAll()).size() >= size; }, 5000);
    QTest::qWait(50);
    return bytes + peer->readAll();
}

QTcpSocket* socket()
{
    return frmTable->ClientSocket->socket();
}

// Byte i of "A*B+A*B+…".
const char* chunkOfOne(qint64 i)
{
    static const char pattern[] = "A*B+";
    return pattern + i % 4;
}

// A teacher's server on a thread of its own, so that it goes on sending while
// the window is busy: a flood of "A*B+" without a line end, as fast as it
// goes, or a trickle of one byte about every 1.3 ms. It stops by itself.
class SendingServer : public QThread
{
public:
    enum Kind { Flood, Trickle };

    SendingServer(Kind kind, std::chrono::milliseconds duration) : kind_(kind), duration_(duration)
    {
    }

    ~SendingServer() override
    {
        stop_ = true;
        wait();
    }

    // Starts the thread and waits until it listens; 0 when it could not.
    quint16 listen()
    {
        start();
        while (!listening_ && isRunning())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return port_;
    }

    qint64 sent() const { return sent_; }

protected:
    void run() override
    {
        QTcpServer server;
        if (!server.listen(QHostAddress::LocalHost, 0))
            return;
        port_ = server.serverPort();
        listening_ = true;
        if (!server.waitForNewConnection(5000))
            return;
        QTcpSocket* peer = server.nextPendingConnection();
        const QByteArray chunk = QByteArray("A*B+").repeated(kind_ == Flood ? 64 * 1024 : 0);
        QElapsedTimer clock;
        clock.start();
        while (!stop_ && clock.elapsed() < duration_.count() &&
               peer->state() == QAbstractSocket::ConnectedState) {
            if (kind_ == Flood) {
                if (peer->bytesToWrite() < chunk.size()) {
                    peer->write(chunk);
                    sent_ += chunk.size();
                }
                peer->waitForBytesWritten(10);
            } else {
                peer->write(chunkOfOne(sent_), 1);
                ++sent_;
                peer->waitForBytesWritten(10);
                std::this_thread::sleep_for(std::chrono::microseconds(1300));
            }
        }
        peer->abort();
    }

private:
    const Kind kind_;
    const std::chrono::milliseconds duration_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> listening_{false};
    std::atomic<quint16> port_{0};
    std::atomic<qint64> sent_{0};
};

} // namespace

void TeacherLinkTest::init()
{
    folder_ = std::make_unique<testsupport::TemporaryCurrentFolder>();
    boxes_ = std::make_unique<common::MessageBoxRecorder>();
    server_ = std::make_unique<QTcpServer>();
    QVERIFY(server_->listen(QHostAddress::LocalHost, 0));
    createWindows();
    frmMain->EditIP->setText(QStringLiteral("127.0.0.1"));
    frmMain->EditPort->setText(QString::number(server_->serverPort()));
}

void TeacherLinkTest::cleanup()
{
    destroyWindows();
    server_.reset();
    boxes_.reset();
    folder_.reset();
}

// Opens the expression window and returns the server's side of its connection.
QTcpSocket* TeacherLinkTest::openConnected()
{
    frmMain->btnTablClick();
    if (!server_->waitForNewConnection(5000) ||
        !QTest::qWaitFor([] { return frmTable->ClientSocket->isConnected(); }, 5000))
        return nullptr;
    return server_->nextPendingConnection();
}

void TeacherLinkTest::shouldConvertPortText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("port"); // 0: no whole number
    QTest::addRow("plain") << "49003" << 49003;
    QTest::addRow("leading spaces and sign") << "  +80" << 80;
    QTest::addRow("negative") << "-1" << -1;
    QTest::addRow("empty") << "" << 0;
    QTest::addRow("space after the digits") << "49003 " << 0;
    QTest::addRow("sign alone") << "-" << 0;
    QTest::addRow("beyond 32 bits") << "2147483648" << 0;
    QTest::addRow("other digits") << "٤٥" << 0;
}

void TeacherLinkTest::shouldConvertPortText()
{
    QFETCH(QString, text);
    QTEST(convertPort(text).value_or(0), "port");
}

void TeacherLinkTest::shouldSendExactResultLinesBackToBack()
{
    QTcpSocket* peer = openConnected();
    QVERIFY(peer);
    frmMain->EditName->setText(QStringLiteral("Ученик"));
    frmTable->ClientSocket->sendResult(frmMain->EditName->text(), QStringLiteral("Выражение: A*B"),
                                       2);
    frmTable->ClientSocket->sendResult(QString(), QStringLiteral("Выражение: A"), 10);
    const QByteArray expected(
        "\xc8\xec\xff: \xd3\xf7\xe5\xed\xe8\xea, \xc2\xfb\xf0\xe0\xe6\xe5\xed\xe8\xe5: "
        "\xc2\xfb\xf0\xe0\xe6\xe5\xed\xe8\xe5: A*B, \xca\xee\xeb\xe8\xf7\xe5\xf1\xf2\xe2\xee "
        "\xee\xf8\xe8\xe1\xee\xea: 2"
        "\xc8\xec\xff: , \xc2\xfb\xf0\xe0\xe6\xe5\xed\xe8\xe5: "
        "\xc2\xfb\xf0\xe0\xe6\xe5\xed\xe8\xe5: A, \xca\xee\xeb\xe8\xf7\xe5\xf1\xf2\xe2\xee "
        "\xee\xf8\xe8\xe1\xee\xea: 10");
    QCOMPARE(receive(peer, expected.size()), expected);
}

void TeacherLinkTest::shouldReplaceTeacherBoxWithEachArrival()
{
    QTcpSocket* peer = openConnected();
    QVERIFY(peer);
    QPlainTextEdit* memo = frmTable->MemoTeacher;
    peer->write("A+B");
    QTRY_COMPARE(memo->toPlainText(), QStringLiteral("A+B"));
    peer->write("\xcf\xf0\xe8\xec\xe5\xf0:\r\nA*C"); // Windows-1251, two lines
    QTRY_COMPARE(memo->toPlainText(), QStringLiteral("Пример:\nA*C"));

    frmTable->N2Click(); // also while the window is hidden
    peer->write("D");
    QTRY_COMPARE(memo->toPlainText(), QStringLiteral("D"));
    QCOMPARE(peer->bytesAvailable(), 0); // nothing is ever answered
}

void TeacherLinkTest::shouldKeepConnectionAndReconnectAfterServerCloses()
{
    QTcpSocket* peer = openConnected();
    QVERIFY(peer);
    frmTable->N2Click();
    frmMain->btnTablClick();
    QVERIFY(!server_->waitForNewConnection(200)); // the same connection serves on
    QVERIFY(frmTable->ClientSocket->isConnected());

    peer->close();
    QTRY_VERIFY(!frmTable->ClientSocket->isConnected());
    frmTable->ClientSocket->sendResult(QStringLiteral("A"), QStringLiteral("Выражение: A"), 1);

    frmTable->N2Click();
    frmMain->btnTablClick();
    QVERIFY(server_->waitForNewConnection(5000));
    QTcpSocket* again = server_->nextPendingConnection();
    QTRY_VERIFY(frmTable->ClientSocket->isConnected());
    frmTable->ClientSocket->sendResult(QStringLiteral("B"), QStringLiteral("Выражение: B"), 0);
    // The line dropped while offline is not sent later.
    const QByteArray line("\xc8\xec\xff: B, \xc2\xfb\xf0\xe0\xe6\xe5\xed\xe8\xe5: "
                          "\xc2\xfb\xf0\xe0\xe6\xe5\xed\xe8\xe5: B, "
                          "\xca\xee\xeb\xe8\xf7\xe5\xf1\xf2\xe2\xee \xee\xf8\xe8\xe1\xee\xea: 0");
    QCOMPARE(receive(again, line.size()), line);
    QCOMPARE(boxes_->count(), 0);
}

void TeacherLinkTest::shouldStayQuietWithoutServer()
{
    const QString port = frmMain->EditPort->text();
    server_->close(); // nobody listens on that port now
    QSignalSpy errors(socket(), &QTcpSocket::errorOccurred);
    frmMain->btnTablClick();
    QTRY_VERIFY(errors.count() > 0);
    frmTable->ClientSocket->sendResult(QStringLiteral("A"), QStringLiteral("Выражение: A"), 1);
    QCOMPARE(boxes_->count(), 0);
    QVERIFY(frmTable->isVisible() && frmTable->btnA->isEnabled() && !frmTable->btnCL->isEnabled());

    // No name lookup, and no port folded into 16 bits: nothing is attempted.
    QVERIFY(server_->listen(QHostAddress::LocalHost, port.toUShort()));
    for (const auto& [address, portText] :
         {std::pair{QStringLiteral("localhost"), port},
          std::pair{QStringLiteral("127.0.0.1"), QString::number(65536 + port.toInt())}}) {
        frmTable->N2Click();
        frmMain->EditIP->setText(address);
        frmMain->EditPort->setText(portText);
        frmMain->btnTablClick();
        QCOMPARE(socket()->state(), QAbstractSocket::UnconnectedState);
        QVERIFY(!server_->waitForNewConnection(100));
    }
    QCOMPARE(boxes_->count(), 0);
}

void TeacherLinkTest::shouldStopShowingAtBadPort_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("message");
    QTest::addRow("empty") << ""
                           << "'' is not a valid integer value.";
    QTest::addRow("space after") << "49003 "
                                 << "'49003 ' is not a valid integer value.";
    QTest::addRow("Cyrillic") << "порт"
                              << "'порт' is not a valid integer value.";
}

void TeacherLinkTest::shouldStopShowingAtBadPort()
{
    QFETCH(QString, port);
    frmMain->EditPort->setText(port);
    frmMain->btnTablClick();
    QCOMPARE(boxes_->count(), 1);
    QTEST(boxes_->last().text, "message");
    QCOMPARE(boxes_->last().caption, QStringLiteral("Veritabula"));
    QCOMPARE(boxes_->last().icon, common::BoxIcon::Stop);
    // The window is open with every key as created; nothing was attempted.
    QVERIFY(frmTable->isVisible() && frmTable->btnCL->isEnabled());
    QVERIFY(!server_->waitForNewConnection(100));
    // The opening goes on past the box: the menu is hidden, the fields locked.
    QVERIFY(!frmMain->isVisible() && !frmMain->EditPort->isEnabled());

    // The same at the next showing; field and keypad stay as they were.
    QTest::mouseClick(frmTable->btnA, Qt::LeftButton);
    frmTable->N2Click();
    frmMain->btnTablClick();
    QCOMPARE(boxes_->count(), 2);
    QCOMPARE(frmTable->EditIN->text(), QStringLiteral("A"));
    QVERIFY(!frmTable->btnB->isEnabled() && frmTable->btnDIS->isEnabled());
}

void TeacherLinkTest::shouldSurviveFlood()
{
    QTcpSocket* peer = openConnected();
    QVERIFY(peer);
    QByteArray flood(10 * 1024 * 1024, '\0'); // every byte value, zero bytes included
    for (qsizetype i = 0; i < flood.size(); ++i)
        flood[i] = static_cast<char>(i * 7 % 256);
    QElapsedTimer timer;
    timer.start();
    peer->write(flood);
    QTRY_COMPARE_WITH_TIMEOUT(peer->bytesToWrite(), 0, 60000);
    QVERIFY(frmTable->MemoTeacher->toPlainText().size() <= TfrmTable::teacherTextLimit);

    // Once the flood is read, a short text shows again and the keys answer.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            peer->write("A+B");
            const QString text = frmTable->MemoTeacher->toPlainText();
            return text.endsWith(QStringLiteral("A+B")) && text.size() < 100;
        }(),
        60000);
    qInfo("10 MB taken in %lld ms", static_cast<long long>(timer.elapsed()));
    QTest::mouseClick(frmTable->btnA, Qt::LeftButton);
    QCOMPARE(frmTable->EditIN->text(), QStringLiteral("A"));
}

void TeacherLinkTest::shouldAnswerClicksWhileTheTeacherSends_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("least"); // bytes the client must have taken
    QTest::addRow("a flood without line ends") << int(SendingServer::Flood) << qint64(100 << 20);
    QTest::addRow("a trickle") << int(SendingServer::Trickle) << qint64(500);
}

void TeacherLinkTest::shouldAnswerClicksWhileTheTeacherSends()
{
    QFETCH(int, kind);
    QFETCH(qint64, least);
    using namespace std::chrono_literals;
    SendingServer sender(SendingServer::Kind(kind), 3s);
    const quint16 port = sender.listen();
    QVERIFY(port != 0);
    frmMain->EditPort->setText(QString::number(port));
    frmMain->btnTablClick();
    QTRY_VERIFY(frmTable->ClientSocket->isConnected());

    // A click waits as long as an event posted from outside the event loop:
    // one every 20 ms while the server sends, each timed until it is handled.
    QElapsedTimer clock;
    clock.start();
    std::vector<double> waits;
    std::atomic<int> posted{0};
    std::thread prober([&] {
        while (clock.elapsed() < 3000) {
            const qint64 at = clock.nsecsElapsed();
            QMetaObject::invokeMethod(
                frmTable,
                [&waits, &clock, at] { waits.push_back((clock.nsecsElapsed() - at) / 1e6); },
                Qt::QueuedConnection);
            ++posted;
            std::this_thread::sleep_for(20ms);
        }
    });
    QEventLoop loop;
    QTimer tick;
    connect(&tick, &QTimer::timeout, &loop, [&] {
        if (clock.elapsed() > 20000 || (clock.elapsed() > 3000 && int(waits.size()) == posted))
            loop.quit();
    });
    tick.start(100);
    loop.exec();
    prober.join();

    QCOMPARE(int(waits.size()), posted.load());
    std::sort(waits.begin(), waits.end());
    const double median = waits[waits.size() / 2];
    const double worst = waits.back();
    qInfo("%zu clicks while %lld bytes came: median %.1f ms, worst %.1f ms", waits.size(),
          static_cast<long long>(sender.sent()), median, worst);
    QVERIFY2(sender.sent() >= least, qPrintable(QString::number(sender.sent())));
    QVERIFY2(median < 100, qPrintable(QString::number(median)));
    QVERIFY2(worst < 200, qPrintable(QString::number(worst)));

    // The box holds at most the limit, and a click copies what it shows.
    const QString shown = frmTable->MemoTeacher->toPlainText().remove(QLatin1Char('\n'));
    QVERIFY(!shown.isEmpty() && shown.size() <= TfrmTable::teacherTextLimit);
    QVERIFY(QStringLiteral("A*B+A*B+A*B+").contains(shown.left(8)));
    frmTable->MemoTeacherClick();
    QCOMPARE(frmTable->EditIN->text(), shown.left(frmTable->EditIN->maxLength()));
}

void TeacherLinkTest::shouldShowTextSentJustBeforeTheServerCloses()
{
    QTcpSocket* peer = openConnected();
    QVERIFY(peer);
    peer->write("A+B");
    peer->flush();
    peer->close();
    QTRY_VERIFY(!frmTable->ClientSocket->isConnected());
    QTRY_COMPARE(frmTable->MemoTeacher->toPlainText(), QStringLiteral("A+B"));
}

void TeacherLinkTest::shouldCloseLinkAndMainMenuWhenWindowCloses()
{
    QTcpSocket* peer = openConnected();
    QVERIFY(peer);
    frmTable->ClientSocket->sendResult(QStringLiteral("A"), QStringLiteral("Выражение: A"), 3);
    frmMain->show(); // to see it close
    frmTable->close();
    QVERIFY(!frmMain->isVisible());
    // The line sent just before still arrives whole, then the connection ends.
    const QByteArray line("\xc8\xec\xff: A, \xc2\xfb\xf0\xe0\xe6\xe5\xed\xe8\xe5: "
                          "\xc2\xfb\xf0\xe0\xe6\xe5\xed\xe8\xe5: A, "
                          "\xca\xee\xeb\xe8\xf7\xe5\xf1\xf2\xe2\xee \xee\xf8\xe8\xe1\xee\xea: 3");
    QCOMPARE(receive(peer, line.size()), line);
    QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
}

int main(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("Veritabula"));
    app.setQuitOnLastWindowClosed(false);
    TeacherLinkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_teacherlink.moc"
