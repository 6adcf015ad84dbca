#include "infowindow.h"

#include "colours.h"
#include "flags.h"
#include "fonts.h"
#include "imagecontrol.h"
#include "mainwindow.h"
#include "units.h"
#include "windowframe.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using common::twips;
using common::twipsRect;

namespace korventa {

InfoWindow::InfoWindow(Form1* main, const Layout& layout) : main_(main)
{
    setObjectName(QString::fromLatin1(layout.name));
    setWindowTitle(QString::fromUtf16(layout.caption));
    setFixedSize(twips(layout.width), twips(layout.height));
    common::setGroundColour(this, common::MidBlue);

    Image1 = new ImageControl(this, true, false);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(
        twipsRect(layout.image.x(), layout.image.y(), layout.image.width(), layout.image.height()));

    Command1 = new QPushButton(QStringLiteral("Закрыть"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(layout.closeButton.x(), layout.closeButton.y(), 1215, 495));
    connect(Command1, &QPushButton::clicked, this, &InfoWindow::Command1_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    // Ticks at 500 and 501 ms as set; a coarse timer may shift each by up to 5 %.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(layout.interval);
    connect(Timer1, &QTimer::timeout, this, &InfoWindow::Timer1_Timer);
    Timer1->start();
}

InfoWindow::~InfoWindow() = default;

QLabel* InfoWindow::addTextLabel(const char* name, int left, int top, int width, int height)
{
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(twipsRect(left, top, width, height));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(common::classicPointFont(12, true));
    common::setGroundColour(label, common::LightYellow);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

void InfoWindow::Timer1_Timer()
{
    FlagStep = (FlagStep + 1) % FlagCount;
    Image1->setPicture(main_->flagPicture(FlagStep + 1));
}

void InfoWindow::Command1_Click()
{
    common::showInFront(main_);
    hide();
}

void InfoWindow::closeEvent(QCloseEvent* event)
{
    // The close box acts as "Закрыть": the window, its texts and its timer live on.
    event->ignore();
    Command1_Click();
}

} // namespace korventa
