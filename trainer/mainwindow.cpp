#include "mainwindow.h"

#include "authorswindow.h"
#include "colours.h"
#include "expressionwindow.h"
#include "fonts.h"
#include "ipsettings.h"
#include "messagebox.h"
#include "pictures.h"
#include "program.h"
#include "teacherlink.h"
#include "theorywindow.h"
#include "windowframe.h"
#include "windowlayout.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace veritabula {

namespace {

constexpr int clientWidth = 297;
constexpr int clientHeight = 292;

// An edit field with its caption 3 pixels above it.
QLineEdit* labeledEdit(QWidget* parent, const QString& name, const QString& caption, int left,
                       int top)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(left, top, 121, 21);

    auto* label = new QLabel(caption, parent);
    label->setObjectName(name + QStringLiteral("Label"));
    label->setFont(common::classicFont(13, true));
    common::setTextColour(label, common::Maroon);
    label->adjustSize();
    label->move(left, top - 3 - label->height());
    label->setBuddy(edit);
    return edit;
}

} // namespace

TfrmMain::TfrmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Главное меню"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(common::classicFont(11));

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    N1 = MainMenu1->addAction(QStringLiteral("О программе"));
    N1->setObjectName(QStringLiteral("N1"));
    clientArea = placeFixedClientArea(this, MainMenu1, clientWidth, clientHeight);

    // The background lies under every other control and shows from its
    // (240, 264) on.
    Image1 = new QLabel(clientArea);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(-240, -264, 900, 1080);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QImage background = common::readPictureFile(QStringLiteral("menu.jpg"));
    if (!background.isNull())
        Image1->setPixmap(QPixmap::fromImage(std::move(background)));

    lblTitle = new QLabel(QStringLiteral("Таблицы истинности"), clientArea);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setGeometry(5, 8, 293, 32);
    lblTitle->setFont(common::classicFont(27, true));
    common::setTextColour(lblTitle, common::Maroon);
    common::fitCaption(lblTitle);

    EditIP = labeledEdit(clientArea, QStringLiteral("EditIP"), QStringLiteral("IP адрес сервера:"),
                         24, 80);
    EditPort =
        labeledEdit(clientArea, QStringLiteral("EditPort"), QStringLiteral("Порт:"), 24, 128);
    EditName =
        labeledEdit(clientArea, QStringLiteral("EditName"), QStringLiteral("Ваше имя:"), 24, 176);

    btnTabl = new QPushButton(QStringLiteral("Заполнение таблицы истинности"), clientArea);
    btnTabl->setObjectName(QStringLiteral("btnTabl"));
    btnTabl->setGeometry(24, 208, 257, 25);
    btnTabl->setFont(common::classicFont(13, true));
    common::setTextColour(btnTabl, Qt::black, QPalette::ButtonText);
    btnTabl->setToolTip(QStringLiteral("Пройдите тест на знание таблиц истинности"));

    btnTeor = new QPushButton(QStringLiteral("Теория"), clientArea);
    btnTeor->setObjectName(QStringLiteral("btnTeor"));
    btnTeor->setGeometry(24, 248, 257, 25);
    btnTeor->setFont(common::classicFont(13, true));
    common::setTextColour(btnTeor, Qt::white, QPalette::ButtonText);
    btnTeor->setToolTip(QStringLiteral("Здесь вы можете прочитать теорию"));

    setTabOrder(btnTabl, btnTeor);
    setTabOrder(btnTeor, EditIP);
    setTabOrder(EditIP, EditName);
    setTabOrder(EditName, EditPort);

    connect(btnTabl, &QPushButton::clicked, this, &TfrmMain::btnTablClick);
    connect(btnTeor, &QPushButton::clicked, this, &TfrmMain::btnTeorClick);
    connect(N1, &QAction::triggered, this, &TfrmMain::N1Click);

    common::centreWhenFirstShown(this);
    // The focus chain is a ring: without this the first field created, not the
    // first in tab order, would take the focus when the menu opens.
    btnTabl->setFocus();

    FormCreate();
}

void TfrmMain::FormCreate()
{
    const IpSettingsResult result = readIpSettings();
    switch (result.status) {
    case IpSettingsStatus::Missing:
        break;
    case IpSettingsStatus::Read:
        EditPort->setText(result.settings.port);
        EditIP->setText(result.settings.address);
        break;
    case IpSettingsStatus::Unreadable:
        common::showMessageBox(result.error, QCoreApplication::applicationName(),
                               common::BoxIcon::Stop);
        break;
    }
}

void TfrmMain::btnTablClick()
{
    if (frmTable)
        frmTable->show();
    hide();
    // The link was opened with these: they stay as they are for the run.
    EditIP->setEnabled(false);
    EditPort->setEnabled(false);
}

void TfrmMain::btnTeorClick()
{
    if (frmTeor)
        frmTeor->show();
    hide();
}

void TfrmMain::N1Click()
{
    if (FormInfo)
        FormInfo->show();
}

void TfrmMain::FormCloseQuery()
{
    if (frmTable)
        frmTable->ClientSocket->close();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    FormCloseQuery();
    event->accept();
    // Hidden windows must not keep the program alive: the main menu closing
    // is the end of the run.
    QCoreApplication::quit();
}

} // namespace veritabula
