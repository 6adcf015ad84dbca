#include "windowlayout.h"

#include <QMenuBar>
#include <QWidget>

namespace veritabula {

QWidget* placeFixedClientArea(QWidget* window, QMenuBar* menu, int width, int height)
{
    const int menuHeight = menu->sizeHint().height();
    menu->setGeometry(0, 0, width, menuHeight);
    auto* clientArea = new QWidget(window);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    clientArea->setGeometry(0, menuHeight, width, height);
    window->setFixedSize(width, menuHeight + height);
    return clientArea;
}

} // namespace veritabula
