#include "imagecontrol.h"

#include <QPainter>
#include <QtTest>

using korventa::ImageControl;

class ImageControlTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldDrawItsBorderAsAPlainBoxAndThePictureInside_data();
    void shouldDrawItsBorderAsAPlainBoxAndThePictureInside();
    void shouldReportAClickReleasedOverIt();
};

namespace {

QPixmap chequer()
{
    QImage image(160, 120, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, ((x / 10 + y / 10) % 2) ? 0xffd0202a : 0xff1d3f9a);
    return QPixmap::fromImage(image);
}

} // namespace

void ImageControlTest::shouldDrawItsBorderAsAPlainBoxAndThePictureInside_data()
{
    QTest::addColumn<bool>("border");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("picture");
    QTest::addRow("flag: border, stretched") << true << true << true;
    QTest::addRow("empty slot") << true << true << false;
    QTest::addRow("placeholder: no border, own size") << false << false << true;
}

// The control draws its own frame; it must look as the style draws a plain
// box, and the picture as a painter stretches it into the frame.
void ImageControlTest::shouldDrawItsBorderAsAPlainBoxAndThePictureInside()
{
    QFETCH(bool, border);
    QFETCH(bool, stretch);
    QFETCH(bool, picture);
    QWidget window;
    window.resize(200, 100);
    ImageControl control(&window, stretch, border);
    control.setGeometry(10, 10, 81, 41);
    if (picture)
        control.setPicture(chequer());

    QFrame frame(&window);
    if (border)
        frame.setFrameStyle(QFrame::Box | QFrame::Plain);
    frame.setLineWidth(1);
    frame.setGeometry(100, 10, 81, 41);
    QImage expected = frame.grab().toImage();
    if (picture) {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (stretch)
            painter.drawPixmap(frame.contentsRect(), chequer());
        else
            painter.drawPixmap(frame.contentsRect().topLeft(), chequer());
    }
    QCOMPARE(control.contentsRect(), frame.contentsRect());
    QCOMPARE(control.grab().toImage(), expected);
}

void ImageControlTest::shouldReportAClickReleasedOverIt()
{
    QWidget window;
    ImageControl control(&window);
    control.setGeometry(0, 0, 81, 41);
    QSignalSpy clicks(&control, &ImageControl::clicked);
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(40, 20));
    QTest::mouseClick(&control, Qt::RightButton, {}, QPoint(40, 20));
    QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(40, 20));
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(120, 20));
    QCOMPARE(clicks.count(), 1);
}

QTEST_MAIN(ImageControlTest)
#include "tst_imagecontrol.moc"
