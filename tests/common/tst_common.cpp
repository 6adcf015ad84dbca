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
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <stdexcept>

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
    void shouldNameTheFileAndFolderThenEndWhenAPictureIsMissing();
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

QByteArray jpegOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return bytes;
}

QImage redSquare()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    return image;
}

} // namespace

void CommonTest::shouldDecodeJpegAndRefuseBrokenData_data()
{
    const QByteArray good = jpegOf(redSquare());
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("decodes");
    QTest::addRow("whole") << good << true;
    QTest::addRow("empty") << QByteArray() << false;
    QTest::addRow("signature only") << good.left(3) << false;
    QTest::addRow("header only") << good.left(100) << false;
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
    folder.writeFile("лицо.jpg", jpegOf(redSquare()));
    common::MessageBoxRecorder recorder;
    QCOMPARE(common::loadPicture("слово.bmp").size(), QSize(64, 48));
    QCOMPARE(common::loadPicture("лицо.jpg").size(), QSize(64, 48));
    QCOMPARE(recorder.count(), 0);
}

void CommonTest::shouldNameTheFileAndFolderThenEndWhenAPictureIsMissing()
{
    testsupport::TemporaryCurrentFolder folder;
    folder.writeFile("битый.bmp", QByteArray("BM not really"));
    for (const QString& name : {QStringLiteral("нет.bmp"), QStringLiteral("битый.bmp")}) {
        common::MessageBoxRecorder recorder;
        common::ProgramExitCatcher catcher;
        QVERIFY_THROWS_EXCEPTION(common::ProgramExit, common::loadPicture(name));
        QCOMPARE(catcher.exits, 1);
        QCOMPARE(recorder.count(), 1);
        QVERIFY(recorder.last().text.contains(name));
        QVERIFY(recorder.last().text.contains(QDir::toNativeSeparators(folder.path())));
        QCOMPARE(recorder.last().icon, BoxIcon::Stop);
    }
}

int main(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("Veritabula"));
    CommonTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_common.moc"
