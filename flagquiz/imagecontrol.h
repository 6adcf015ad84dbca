#pragma once

#include <QFrame>
#include <QPixmap>

namespace korventa {

// The image control of the quiz windows: holds one picture object as it was
// handed over (so its cacheKey tells which picture it is) and draws it
// stretched to the control or at its own size.
class ImageControl : public QFrame
{
    Q_OBJECT

public:
    explicit ImageControl(QWidget* parent, bool stretch = true, bool border = true);

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    // The identity of the picture held: 0 when there is none.
    qint64 pictureKey() const { return picture_.cacheKey(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool stretch_;
};

} // namespace korventa
