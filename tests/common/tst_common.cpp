#include "application.h"
#include "fonts.h"
#include "messagebox.h"
#include "pictures.h"
#include "programexit.h"
#include "testsupport.h"
#include "text.h"
#include "units.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <cstdio>
#include <memory>
#include <stdexcept>

#include <sys/resource.h>
#include <unistd.h>

using common::BoxAnswer;
using common::BoxButtons;
using common::BoxIcon;

class CommonTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldRecordBoxesAndAnswerInTurn();
    void shouldRestoreThePreviousHandler();
    void shouldStopAtExitAndRecordTheCode();
    void shouldAddAFullStopToAnEscapedError_data();
    void shouldAddAFullStopToAnEscapedError();
    void shouldShowAnErrorEscapingAHandlerAndGoOn();
    void shouldShowAnErrorEscapingAHandlerThenEndWhenAskedTo();
    void shouldConvertWindows1251BothWays();
    void shouldLowerCaseOnlyLettersOfWindows1251_data();
    void shouldLowerCaseOnlyLettersOfWindows1251();
    void shouldConvertTwipsToPixels();
    void shouldNarrowOnlyCaptionsThatOverflow_data();
    void shouldNarrowOnlyCaptionsThatOverflow();
    void shouldNarrowToTheWidestStretchThatFits_data();
    void shouldNarrowToTheWidestStretchThatFits();
    void shouldDecodeJpegAndRefuseBrokenData_data();
    void shouldDecodeJpegAndRefuseBrokenData();
    void shouldLoadBmpAndJpegByBareName();
    void shouldReadOnlyWholePlainPicturesWithinBounds_data();
    void shouldReadOnlyWholePlainPicturesWithinBounds();
    void shouldNameTheFileAndFolderThenEndWhenAPictureIsMissing();
    void shouldEndWithTheBoxWhenMemoryRunsOut();
};

void CommonTest::shouldRecordBoxesAndAnswerInTurn()
{
    common::MessageBoxRecorder recorder;
    recorder.answers = {BoxAnswer::No};
    QCOMPARE(common::showMessageBox("Выйти?", "Выход", BoxIcon::Question, BoxButtons::YesNo),
             BoxAnswer::No);
    QCOMPARE(common::showMessageBox("Выйти?", "Выход", BoxIcon::Question, BoxButtons::YesNo),
             BoxAnswer::Yes);
    QCOMPARE(common::showMessageBox("Готово", "Справка"), BoxAnswer::Ok);
    QCOMPARE(recorder.count(), 3);
    QCOMPARE(recorder.boxes[0].caption, QString("Выход"));
    QCOMPARE(recorder.boxes[0].icon, BoxIcon::Question);
    QCOMPARE(recorder.last().text, QString("Готово"));
    QCOMPARE(recorder.last().buttons, BoxButtons::Ok);
}

void CommonTest::shouldRestoreThePreviousHandler()
{
    common::MessageBoxRecorder outer;
    {
        common::MessageBoxRecorder inner;
        common::showMessageBox("inner", "Справка");
        QCOMPARE(inner.count(), 1);
    }
    common::showMessageBox("outer", "Справка");
    QCOMPARE(outer.count(), 1);
    QCOMPARE(outer.last().text, QString("outer"));
}

void CommonTest::shouldStopAtExitAndRecordTheCode()
{
    common::ProgramExitCatcher catcher;
    bool after = false;
    QVERIFY_THROWS_EXCEPTION(common::ProgramExit, [&] {
        common::exitProgram(3);
        after = true;
    }());
    QVERIFY(!after);
    QCOMPARE(catcher.exits, 1);
    QCOMPARE(catcher.lastCode, 3);
}

void CommonTest::shouldAddAFullStopToAnEscapedError_data()
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

void CommonTest::shouldAddAFullStopToAnEscapedError()
{
    QFETCH(QString, what);
    QFETCH(QString, shown);
    QCOMPARE(common::escapedErrorText(std::runtime_error(what.toStdString())), shown);
}

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

void CommonTest::shouldShowAnErrorEscapingAHandlerAndGoOn()
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
void CommonTest::shouldShowAnErrorEscapingAHandlerThenEndWhenAskedTo()
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

void CommonTest::shouldConvertWindows1251BothWays()
{
    const QString text = QStringLiteral("Ёлка ёж Привет ¬ №");
    const QByteArray bytes = common::toCp1251(text);
    QCOMPARE(bytes.size(), text.size());
    QCOMPARE(static_cast<unsigned char>(bytes[0]), 0xA8);                // Ё
    QCOMPARE(static_cast<unsigned char>(bytes[bytes.size() - 1]), 0xB9); // №
    QCOMPARE(static_cast<unsigned char>(bytes[bytes.size() - 3]), 0xAC); // ¬
    QCOMPARE(common::fromCp1251(bytes), text);
    QCOMPARE(common::fromCp1251(std::string("\xcf\xf0\xe8")), QStringLiteral("При"));
    QCOMPARE(common::toCp1251String(QStringLiteral("я")), std::string("\xff"));
}

void CommonTest::shouldLowerCaseOnlyLettersOfWindows1251_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("lowered");
    QTest::addRow("latin") << "MoUSE"
                           << "mouse";
    QTest::addRow("cyrillic") << "КЛАВИАТУРА"
                              << "клавиатура";
    QTest::addRow("yo") << "ЁЖ"
                        << "ёж";
    QTest::addRow("ukrainian and serbian") << "ЇІЄҐЎЉЂ"
                                           << "їієґўљђ";
    QTest::addRow("blanks kept") << " Мышь "
                                 << " мышь ";
    QTest::addRow("digits and signs kept") << "A1-Б!"
                                           << "a1-б!";
    QTest::addRow("letters outside windows-1251 kept") << "ÄΩ"
                                                       << "ÄΩ";
}

void CommonTest::shouldLowerCaseOnlyLettersOfWindows1251()
{
    QFETCH(QString, answer);
    QFETCH(QString, lowered);
    QCOMPARE(common::lowerCaseAnswer(answer), lowered);
}

void CommonTest::shouldConvertTwipsToPixels()
{
    QCOMPARE(common::twips(0), 0);
    QCOMPARE(common::twips(15), 1);
    QCOMPARE(common::twips(4815), 321);
    QCOMPARE(common::twips(-120), -8);
    QCOMPARE(common::twipsRect(120, 240, 1500, 375), QRect(8, 16, 100, 25));
}

void CommonTest::shouldNarrowOnlyCaptionsThatOverflow_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("narrowed");
    const QString longLine = QStringLiteral("Таблицы истинности и флажковая азбука");
    QTest::addRow("short line") << false << "Порт:" << false;
    QTest::addRow("long line") << false << longLine << true;
    QTest::addRow("few wrapped lines") << true << longLine << false;
    QTest::addRow("too many wrapped lines") << true << (longLine + " ").repeated(3) << true;
}

void CommonTest::shouldNarrowOnlyCaptionsThatOverflow()
{
    QFETCH(bool, wrap);
    QFETCH(QString, text);
    QFETCH(bool, narrowed);
    QWidget parent;
    parent.resize(400, 300);
    QLabel label(text, &parent);
    label.setWordWrap(wrap);
    label.setFont(common::classicFont(16, true));
    label.setGeometry(10, 10, 200, 4 * QFontMetrics(label.font()).lineSpacing());
    common::fitCaption(&label);
    QCOMPARE(label.font().stretch() != QFont::AnyStretch && label.font().stretch() < 100, narrowed);
    if (wrap) {
        const QRect needed =
            QFontMetrics(label.font())
                .boundingRect(QRect(0, 0, label.width() - 4, 1 << 20), Qt::TextWordWrap, text);
        QVERIFY(needed.height() <= label.height());
    } else {
        QVERIFY(QFontMetrics(label.font()).horizontalAdvance(text) <= label.width());
    }
}

namespace {

// The stretch a caption gets, found the slow way: every stretch from 99 down
// until one fits; none (0) when the label's own font fits.
int steppedStretch(const QLabel& label)
{
    const int room = label.width() - 4;
    const auto fits = [&label, room](const QFont& font) {
        const QFontMetrics metrics(font);
        if (!label.wordWrap())
            return metrics.horizontalAdvance(label.text()) <= room;
        return metrics.boundingRect(QRect(0, 0, room, 1 << 20), Qt::TextWordWrap, label.text())
                   .height() <= label.height();
    };
    if (fits(label.font()))
        return QFont::AnyStretch;
    QFont font = label.font();
    for (int stretch = 99; stretch > 50; --stretch) {
        font.setStretch(stretch);
        if (fits(font))
            return stretch;
    }
    return 50;
}

} // namespace

void CommonTest::shouldNarrowToTheWidestStretchThatFits_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("narrowest");
    QTest::addColumn<int>("widest");
    const QString history = QStringLiteral(
        "Особо остро стояла проблема передачи информации на море, между кораблями и сушей, "
        "особенно в период военных действий. Одним из способов передачи информации служила "
        "флажковая азбука.");
    // Across the widths where the fallback face gives way to its condensed one.
    QTest::addRow("bold title") << common::classicFont(27, true)
                                << QStringLiteral("Таблицы истинности") << false << 32 << 160
                                << 340;
    QTest::addRow("plain caption")
        << common::classicFont(17) << QStringLiteral("Предложено учителем:") << false << 20 << 100
        << 230;
    QTest::addRow("wrapped text") << common::classicPointFont(12, true) << history << true << 100
                                  << 280 << 640;
    QTest::addRow("too low for a line")
        << common::classicFont(16) << QStringLiteral("Порт") << true << 4 << 10 << 40;
}

void CommonTest::shouldNarrowToTheWidestStretchThatFits()
{
    QFETCH(QFont, font);
    QFETCH(QString, text);
    QFETCH(bool, wrap);
    QFETCH(int, height);
    QFETCH(int, narrowest);
    QFETCH(int, widest);
    QWidget parent;
    parent.resize(1000, 1000);
    for (int width = narrowest; width <= widest; ++width) {
        QLabel label(text, &parent);
        label.setWordWrap(wrap);
        label.setFont(font);
        label.setGeometry(0, 0, width, height);
        const int expected = steppedStretch(label);
        common::fitCaption(&label);
        QVERIFY2(label.font().stretch() == expected,
                 qPrintable(QStringLiteral("width %1: stretch %2, stepping gives %3")
                                .arg(width)
                                .arg(label.font().stretch())
                                .arg(expected)));
    }
}

namespace {

using testsupport::jpegBytes;
using testsupport::withJpegSize;

QImage redSquare()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    return image;
}

QByteArray bmpOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

void putLittleEndian(QByteArray* bytes, qsizetype at, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        (*bytes)[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// An 8-bit BMP with two colours, its pixel data run-length coded by hand.
QByteArray runLengthBmp(int width, int height, const QByteArray& runs)
{
    QByteArray bytes(14 + 40 + 8, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    putLittleEndian(&bytes, 2, static_cast<quint32>(bytes.size() + runs.size()), 4);
    putLittleEndian(&bytes, 10, static_cast<quint32>(bytes.size()), 4);
    putLittleEndian(&bytes, 14, 40, 4);
    putLittleEndian(&bytes, 18, static_cast<quint32>(width), 4);
    putLittleEndian(&bytes, 22, static_cast<quint32>(height), 4);
    putLittleEndian(&bytes, 26, 1, 2);
    putLittleEndian(&bytes, 28, 8, 2);
    putLittleEndian(&bytes, 30, 1, 4); // run-length coded, 8 bits
    putLittleEndian(&bytes, 34, static_cast<quint32>(runs.size()), 4);
    putLittleEndian(&bytes, 46, 2, 4);          // two colours:
    putLittleEndian(&bytes, 58, 0x00FFFFFF, 4); // black, then white
    return bytes + runs;
}

} // namespace

void CommonTest::shouldDecodeJpegAndRefuseBrokenData_data()
{
    const QByteArray good = jpegBytes(redSquare());
    const QByteArray progressive = jpegBytes(redSquare(), true);
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("decodes");
    QTest::addRow("whole") << good << true;
    QTest::addRow("progressive") << progressive << true;
    QTest::addRow("empty") << QByteArray() << false;
    QTest::addRow("signature only") << good.left(3) << false;
    QTest::addRow("header only") << good.left(100) << false;
    QTest::addRow("cut in half") << good.left(good.size() / 2) << false;
    QTest::addRow("without its end marker") << good.chopped(2) << false;
    QTest::addRow("progressive, cut") << progressive.left(progressive.size() * 2 / 3) << false;
    QTest::addRow("header claims 20000 x 20000") << withJpegSize(good, 20000, 20000) << false;
    QTest::addRow("garbage") << QByteArray(500, '\x5a') << false;
    QByteArray scrambled = good;
    for (int i = 20; i < scrambled.size() / 2; i += 7)
        scrambled[i] = static_cast<char>(0xFF);
    QTest::addRow("scrambled header") << scrambled << false;
}

void CommonTest::shouldDecodeJpegAndRefuseBrokenData()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, decodes);
    QString error;
    const QImage image = common::decodeJpeg(data, &error);
    QCOMPARE(!image.isNull(), decodes);
    if (decodes) {
        QCOMPARE(image.size(), QSize(64, 48));
        const QColor centre = image.pixelColor(32, 24);
        QVERIFY(qAbs(centre.red() - 200) < 8 && centre.green() < 45 && centre.blue() < 45);
    } else {
        QVERIFY(!error.isEmpty());
    }
}

void CommonTest::shouldLoadBmpAndJpegByBareName()
{
    testsupport::TemporaryCurrentFolder folder;
    QVERIFY(redSquare().save(folder.filePath("слово.bmp"), "BMP"));
    folder.writeFile("лицо.jpg", jpegBytes(redSquare()));
    common::MessageBoxRecorder recorder;
    QCOMPARE(common::loadPicture("слово.bmp").size(), QSize(64, 48));
    QCOMPARE(common::loadPicture("лицо.jpg").size(), QSize(64, 48));
    QCOMPARE(recorder.count(), 0);
}

void CommonTest::shouldReadOnlyWholePlainPicturesWithinBounds_data()
{
    // What lies under the picture's name: "bytes" a file holding `bytes`, or
    // something else named by `kind`; a valid `size` means it reads.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("reason");
    const QByteArray bmp = bmpOf(redSquare());
    const QByteArray jpeg = jpegBytes(redSquare());
    const QByteArray progressive = jpegBytes(redSquare(), true);
    // Two rows of four: white, then black.
    const QByteArray runs = QByteArray::fromHex("0401000004000001");
    // The first row, then a jump over the second.
    const QByteArray jump = QByteArray::fromHex("04010000000202000001");
    QImage grey(64, 48, QImage::Format_Indexed8);
    grey.setColorCount(256);
    for (int i = 0; i < 256; ++i)
        grey.setColor(i, qRgb(i, i, i));
    grey.fill(100);
    QByteArray huge = bmp;
    putLittleEndian(&huge, 18, 30000, 4);
    putLittleEndian(&huge, 22, 30000, 4);

    const QSize none;
    QTest::addRow("bmp") << "bytes" << bmp << QSize(64, 48) << QString();
    QTest::addRow("run-length bmp")
        << "bytes" << runLengthBmp(4, 2, runs) << QSize(4, 2) << QString();
    QTest::addRow("jpeg") << "bytes" << jpeg << QSize(64, 48) << QString();
    QTest::addRow("progressive jpeg") << "bytes" << progressive << QSize(64, 48) << QString();
    QTest::addRow("missing") << "none" << QByteArray() << none << "не найден";

    QTest::addRow("bmp cut short") << "bytes" << bmp.chopped(64 * 3) << none << "обрывается";
    QTest::addRow("bmp cut in its header") << "bytes" << bmp.left(30) << none << "обрывается";
    QTest::addRow("palette bmp cut short")
        << "bytes" << bmpOf(grey).chopped(64) << none << "обрывается";
    QTest::addRow("run lengths cut short")
        << "bytes" << runLengthBmp(4, 2, runs.chopped(2)) << none << "обрывается";
    QTest::addRow("run lengths jumping over pixels")
        << "bytes" << runLengthBmp(4, 2, jump) << none << "повреждён";
    QTest::addRow("bmp claiming 30000 x 30000")
        << "bytes" << huge << none << "слишком велик (30000 × 30000";
    QTest::addRow("jpeg cut short")
        << "bytes" << jpeg.left(jpeg.size() / 2) << none << "обрывается";
    QTest::addRow("jpeg without its end marker")
        << "bytes" << jpeg.chopped(2) << none << "обрывается";
    QTest::addRow("progressive jpeg cut short")
        << "bytes" << progressive.left(progressive.size() * 2 / 3) << none << "обрывается";
    QTest::addRow("jpeg claiming 20000 x 20000")
        << "bytes" << withJpegSize(jpeg, 20000, 20000) << none << "слишком велик (20000 × 20000";
    QTest::addRow("progressive jpeg claiming 65500 x 65500")
        << "bytes" << withJpegSize(progressive, 65500, 65500) << none
        << "слишком велик (65500 × 65500";
    // Within the pixel bound, but its coefficients would take 96 MB.
    QTest::addRow("progressive jpeg over the decoder's memory")
        << "bytes" << withJpegSize(progressive, 4000, 4000, true) << none << "слишком велик";

    QTest::addRow("folder") << "folder" << QByteArray() << none << "папка";
    QTest::addRow("named pipe") << "fifo" << QByteArray() << none << "канал";
    QTest::addRow("link to an endless device") << "zero" << QByteArray() << none << "устройство";
    QTest::addRow("link that leads nowhere") << "dangling" << QByteArray() << none << "ссылка";
    QTest::addRow("links in a loop") << "loop" << QByteArray() << none << "кольцо";
    QTest::addRow("file over the size bound") << "huge" << QByteArray() << none << "больше 64 МБ";
}

void CommonTest::shouldReadOnlyWholePlainPicturesWithinBounds()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QString, reason);
    testsupport::TemporaryCurrentFolder folder;
    const QString name = QStringLiteral("рисунок.bmp");
    const QString path = folder.filePath(name);
    std::unique_ptr<testsupport::FifoPeer> fifo;
    if (kind == "bytes") {
        folder.writeFile(name, bytes);
    } else if (kind == "huge") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(common::MaxPictureFileBytes + 1));
    } else if (kind != "none") {
        QVERIFY(testsupport::placeNonFile(path, kind, &fifo));
    }

    QString error;
    const QImage image = common::readPictureFile(name, &error);
    if (fifo)
        QVERIFY2(!fifo->touched(), "the named pipe was opened");
    QCOMPARE(image.isNull(), !size.isValid());
    if (size.isValid()) {
        QCOMPARE(image.size(), size);
        QVERIFY(error.isEmpty());
    } else {
        QVERIFY2(error.contains(reason), qPrintable(error));
    }
}

void CommonTest::shouldNameTheFileAndFolderThenEndWhenAPictureIsMissing()
{
    testsupport::TemporaryCurrentFolder folder;
    folder.writeFile("битый.bmp", QByteArray("\xFF\xD8\xFF not really"));
    folder.writeFile("обрывок.bmp", bmpOf(redSquare()).left(1000));
    const QList<QPair<QString, QString>> cases = {
        {"нет.bmp", "файл не найден"}, {"битый.bmp", "повреждён"}, {"обрывок.bmp", "обрывается"}};
    for (const auto& [name, reason] : cases) {
        common::MessageBoxRecorder recorder;
        common::ProgramExitCatcher catcher;
        QVERIFY_THROWS_EXCEPTION(common::ProgramExit, common::loadPicture(name));
        QCOMPARE(catcher.exits, 1);
        QCOMPARE(recorder.count(), 1);
        QVERIFY(recorder.last().text.contains(name));
        QVERIFY2(recorder.last().text.contains(reason), qPrintable(recorder.last().text));
        QVERIFY(recorder.last().text.contains(QDir::toNativeSeparators(folder.path())));
        QCOMPARE(recorder.last().icon, BoxIcon::Stop);
    }
}

namespace {

const char littleMemoryMode[] = "--load-with-little-memory";

// Run in a fresh process of its own: loads the picture with room for a few
// more megabytes only and prints the exit code and the box.
int loadWithLittleMemory(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    const rlim_t room = static_cast<rlim_t>(pages) * ::sysconf(_SC_PAGESIZE) + (16 << 20);
    const rlimit limit{room, room};
    if (pages == 0 || ::setrlimit(RLIMIT_AS, &limit) != 0)
        return 2;
    common::MessageBoxRecorder recorder;
    common::ProgramExitCatcher catcher;
    QByteArray report = "no exit";
    try {
        common::loadPicture(QString::fromLocal8Bit(argv[2]));
    } catch (const common::ProgramExit& exit) {
        report = QByteArray::number(exit.code) + ' ' +
                 (recorder.count() == 1 ? recorder.last().text.toUtf8() : "no box");
    } catch (...) {
        report = "escaped";
    }
    std::fwrite(report.constData(), 1, static_cast<size_t>(report.size()), stdout);
    return 0;
}

} // namespace

void CommonTest::shouldEndWithTheBoxWhenMemoryRunsOut()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the address sanitizer reserves more address space than the limit here allows");
#endif
    testsupport::TemporaryCurrentFolder folder;
    // A whole BMP of 4000 x 4000 pixels: 48 MB, within every bound.
    const QString name = QStringLiteral("большой.bmp");
    QByteArray header = bmpOf(redSquare()).left(54);
    putLittleEndian(&header, 18, 4000, 4);
    putLittleEndian(&header, 22, 4000, 4);
    {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(header) == header.size());
        QVERIFY(file.resize(54 + 4000LL * 4000 * 3));
    }
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {littleMemoryMode, name});
    QVERIFY(child.waitForFinished(20000));
    const QString report = QString::fromUtf8(child.readAllStandardOutput());
    QVERIFY2(report.startsWith("1 ") && report.contains(name) && report.contains("памяти"),
             qPrintable(report + child.readAllStandardError()));
}

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], littleMemoryMode) == 0)
        return loadWithLittleMemory(argc, argv);
    common::Application app(argc, argv, QStringLiteral("Veritabula"));
    CommonTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_common.moc"
