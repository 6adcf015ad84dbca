#include "application.h"
#include "messagebox.h"
#include "pictures.h"
#include "programexit.h"
#include "testsupport.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QtTest>

#include <cstdio>
#include <memory>

#include <sys/resource.h>
#include <unistd.h>

using common::BoxIcon;

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldDecodeJpegAndRefuseBrokenData_data();
    void shouldDecodeJpegAndRefuseBrokenData();
    void shouldLoadBmpAndJpegByBareName();
    void shouldReadOnlyWholePlainPicturesWithinBounds_data();
    void shouldReadOnlyWholePlainPicturesWithinBounds();
    void shouldNameTheFileAndFolderThenEndWhenAPictureIsMissing();
    void shouldDecodeOurPicturesAndSurviveBrokenOnes_data();
    void shouldDecodeOurPicturesAndSurviveBrokenOnes();
    void shouldEndWithTheBoxWhenMemoryRunsOut();
};

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

void PicturesTest::shouldDecodeJpegAndRefuseBrokenData_data()
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

void PicturesTest::shouldDecodeJpegAndRefuseBrokenData()
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

void PicturesTest::shouldLoadBmpAndJpegByBareName()
{
    testsupport::TemporaryCurrentFolder folder;
    QVERIFY(redSquare().save(folder.filePath("слово.bmp"), "BMP"));
    folder.writeFile("лицо.jpg", jpegBytes(redSquare()));
    common::MessageBoxRecorder recorder;
    QCOMPARE(common::loadPicture("слово.bmp").size(), QSize(64, 48));
    QCOMPARE(common::loadPicture("лицо.jpg").size(), QSize(64, 48));
    QCOMPARE(recorder.count(), 0);
}

void PicturesTest::shouldReadOnlyWholePlainPicturesWithinBounds_data()
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

void PicturesTest::shouldReadOnlyWholePlainPicturesWithinBounds()
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

void PicturesTest::shouldNameTheFileAndFolderThenEndWhenAPictureIsMissing()
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

// The trainer's pictures are the largest JPEGs the decoder meets.
void PicturesTest::shouldDecodeOurPicturesAndSurviveBrokenOnes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addRow("menu") << "menu.jpg" << QSize(637, 991);
    QTest::addRow("theory") << "theory.jpg" << QSize(600, 2434);
    QTest::addRow("authors") << "authors.jpg" << QSize(1512, 1072);
}

void PicturesTest::shouldDecodeOurPicturesAndSurviveBrokenOnes()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    testsupport::TemporaryCurrentFolder folder(VERITABULA_FOLDER, {name});
    QFile file(name);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
    const QByteArray data = file.readAll();
    QString error;
    const QImage image = common::decodeJpeg(data, &error);
    QCOMPARE(image.size(), size);
    QVERIFY(error.isEmpty());
    QCOMPARE(common::readPictureFile(name).size(), size);

    // Cut short: refused with a reason, never padded out to look whole.
    for (const qsizetype length :
         {qsizetype(2), qsizetype(20), qsizetype(300), data.size() / 2, data.size() - 2}) {
        const QImage cut = common::decodeJpeg(data.left(length), &error);
        QVERIFY(cut.isNull() && !error.isEmpty());
    }
    QByteArray damaged = data;
    for (qsizetype i = 200; i < damaged.size(); i += 997)
        damaged[i] = static_cast<char>(damaged[i] ^ 0x5a);
    const QImage noisy = common::decodeJpeg(damaged, &error);
    QVERIFY(noisy.isNull() || noisy.size() == size);
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

void PicturesTest::shouldEndWithTheBoxWhenMemoryRunsOut()
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
    PicturesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pictures.moc"
