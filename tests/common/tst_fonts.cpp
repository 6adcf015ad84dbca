#include "fonts.h"

#include <QLabel>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

class FontsTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldNarrowOnlyCaptionsThatOverflow_data();
    void shouldNarrowOnlyCaptionsThatOverflow();
    void shouldNarrowToTheWidestStretchThatFits_data();
    void shouldNarrowToTheWidestStretchThatFits();
    void shouldTakeAMissingSansFamilyStraightToTheFaceTheMatchGives_data();
    void shouldTakeAMissingSansFamilyStraightToTheFaceTheMatchGives();
    void shouldGiveClassicCaptionsTheFaceAskingByNameGives_data();
    void shouldGiveClassicCaptionsTheFaceAskingByNameGives();
};

void FontsTest::shouldNarrowOnlyCaptionsThatOverflow_data()
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

void FontsTest::shouldNarrowOnlyCaptionsThatOverflow()
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

void FontsTest::shouldNarrowToTheWidestStretchThatFits_data()
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

void FontsTest::shouldNarrowToTheWidestStretchThatFits()
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

void FontsTest::shouldTakeAMissingSansFamilyStraightToTheFaceTheMatchGives_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addRow("installed") << "DejaVu Sans" << true;
    QTest::addRow("missing, bold") << "Trebuchet MS Нигде" << true;
    QTest::addRow("missing, regular") << "Trebuchet MS Нигде" << false;
}

// The letters of the flag quiz ask for a sans family that a classroom machine
// may lack: the face they get is the one asking for it by name would give.
void FontsTest::shouldTakeAMissingSansFamilyStraightToTheFaceTheMatchGives()
{
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFont byName(family);
    QFont chosen = common::sansFamilyFont(family);
    for (QFont* font : {&byName, &chosen}) {
        font->setPointSize(12);
        font->setBold(bold);
    }
    const QFontInfo expected(byName), actual(chosen);
    QCOMPARE(actual.family(), expected.family());
    QCOMPARE(actual.styleName(), expected.styleName());
    QCOMPARE(actual.pixelSize(), expected.pixelSize());
    QCOMPARE(QFontMetrics(chosen).horizontalAdvance(u"АБВЁЖЯ"_s),
             QFontMetrics(byName).horizontalAdvance(u"АБВЁЖЯ"_s));
}

void FontsTest::shouldGiveClassicCaptionsTheFaceAskingByNameGives_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("stretch");
    QTest::addRow("16 px bold") << 16 << true << 100;
    QTest::addRow("13 px") << 13 << false << 100;
    QTest::addRow("16 px bold, narrowed a little") << 16 << true << 90;
    QTest::addRow("16 px bold, narrowed to the condensed face") << 16 << true << 75;
    QTest::addRow("24 px bold, narrowed hard") << 24 << true << 60;
}

// The windows' captions are asked for in "MS Sans Serif" and narrowed by
// stretching; where that family is missing, the face, its width and its line
// height must be those that asking for it by name gives.
void FontsTest::shouldGiveClassicCaptionsTheFaceAskingByNameGives()
{
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(int, stretch);
    QFont byName(u"MS Sans Serif"_s);
    byName.setStyleHint(QFont::SansSerif);
    byName.setBold(bold);
    byName.setPixelSize(pixels);
    QFont classic = common::classicFont(pixels, bold);
    for (QFont* font : {&byName, &classic})
        font->setStretch(stretch);
    const QString caption = u"Предложено учителем: ¬(A+B)*C"_s;
    QCOMPARE(QFontInfo(classic).family(), QFontInfo(byName).family());
    QCOMPARE(QFontInfo(classic).styleName(), QFontInfo(byName).styleName());
    QCOMPARE(QFontMetrics(classic).horizontalAdvance(caption),
             QFontMetrics(byName).horizontalAdvance(caption));
    QCOMPARE(QFontMetrics(classic).height(), QFontMetrics(byName).height());
}

QTEST_MAIN(FontsTest)
#include "tst_fonts.moc"
