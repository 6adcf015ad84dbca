#include "theorywindow.h"

#include "fonts.h"
#include "mainwindow.h"
#include "pictures.h"
#include "program.h"
#include "windowframe.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>

#include <algorithm>
#include <utility>

namespace veritabula {

TfrmTeor::TfrmTeor()
{
    setObjectName(QStringLiteral("frmTeor"));
    setWindowTitle(QStringLiteral("Теория"));
    // No title-bar buttons at all: the page is left through its menu only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(common::classicFont(11));

    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    N1 = MainMenu1->addAction(QStringLiteral("&Назад"));
    N1->setObjectName(QStringLiteral("N1"));
    N2 = MainMenu1->addAction(QStringLiteral("&Выход"));
    N2->setObjectName(QStringLiteral("N2"));

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("TeorScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(scroll_);

    page_ = new QWidget;
    page_->setBackgroundRole(QPalette::Button);
    Image1 = new QLabel(page_);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(8, 0);
    Image1->resize(0, 0);

    setFixedSize(621, 399 + MainMenu1->sizeHint().height());
    FormCreate();

    connect(N1, &QAction::triggered, this, &TfrmTeor::N1Click);
    connect(N2, &QAction::triggered, this, &TfrmTeor::N2Click);

    common::centreWhenFirstShown(this);
}

void TfrmTeor::FormCreate()
{
    fitPage();
    scroll_->setWidget(page_);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll_->verticalScrollBar()->setTracking(true);
}

void TfrmTeor::fitPage()
{
    page_->resize(8 + std::max(600, Image1->width()), PageHeight);
}

void TfrmTeor::showEvent(QShowEvent* event)
{
    // The page is decoded when it is first shown, not at start, where only
    // the main menu is seen; it is there before the window is first drawn.
    if (!pictureRead_) {
        pictureRead_ = true;
        // A missing or broken picture leaves the page empty; the program goes on.
        QImage picture = common::readPictureFile(QStringLiteral("theory.jpg"));
        if (!picture.isNull()) {
            Image1->resize(picture.size());
            Image1->setPixmap(QPixmap::fromImage(std::move(picture)));
            fitPage();
        }
    }
    QMainWindow::showEvent(event);
}

void TfrmTeor::N1Click()
{
    hide();
    if (frmMain)
        frmMain->show();
}

void TfrmTeor::N2Click()
{
    leaving_ = true;
    if (frmMain)
        frmMain->close();
    close();
    leaving_ = false;
}

void TfrmTeor::closeEvent(QCloseEvent* event)
{
    // The page has no close box; only "Выход" closes it.
    if (leaving_)
        event->accept();
    else
        event->ignore();
}

} // namespace veritabula
