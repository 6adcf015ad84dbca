#include "style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyleFactory>

namespace common {

namespace {

// An icon engine that stands for one standard icon of STYLE and reads it when
// it is first wanted.
class DeferredIconEngine : public QIconEngine
{
public:
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size / scale, scale, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon()
    {
        if (!read_) {
            icon_ = style_->standardIcon(which_);
            read_ = true;
        }
        return icon_;
    }

    const QStyle* style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool read_ = false;
};

} // namespace

Style::Style(QStyle* base) : QProxyStyle(base) {}

QIcon Style::standardIcon(StandardPixmap icon, const QStyleOption* option,
                          const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(baseStyle(), icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}

void useProgramStyle()
{
    QStyle* current = QApplication::style();
    if (dynamic_cast<Style*>(current))
        return;
    // The application deletes the style it replaces, so the new one stands
    // over a fresh instance of it.
    QApplication::setStyle(new Style(QStyleFactory::create(current->name())));
}

} // namespace common
