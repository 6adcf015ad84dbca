#include "forumwindow.h"

#include "colours.h"
#include "forumfile.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "text.h"
#include "units.h"
#include "windowframe.h"

#include <QCloseEvent>
#include <QDir>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>

using common::twips;

namespace korventa {

Form5::Form5(Form1* main) : main_(main)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Форум"));

    auto* client = new QWidget(this);
    client->setFixedSize(twips(7425), twips(5280));
    common::setGroundColour(client, common::MidBlue);
    setCentralWidget(client);

    Text1 = new QPlainTextEdit(client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(common::twipsRect(0, 0, 7455, 5295));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setStyleSheet(
        QStringLiteral("QPlainTextEdit { background: %1; }").arg(common::LightYellow.name()));
    setFocusProxy(Text1);
    Text1->setFocus();

    QMenu* s = menuBar()->addMenu(QStringLiteral("Файл"));
    s->setObjectName(QStringLiteral("s"));
    auto addItem = [this, s](const char* name, const QString& text, QKeySequence key,
                             void (Form5::*handler)()) {
        QAction* action = s->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
    };
    addItem("as", QStringLiteral("Сохранить"), QKeySequence(), &Form5::as_Click);
    addItem("fg", QStringLiteral("Очистить"), QKeySequence(), &Form5::fg_Click);
    addItem("sd", QStringLiteral("Выйти из форума"), QKeySequence(), &Form5::sd_Click);
    addItem("df", QStringLiteral("Выход в Windows"), Qt::Key_F12, &Form5::df_Click);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form5::as_Click()
{
    const QString name = QStringLiteral("FORUM.txt");
    QString reason;
    if (appendForumRecord(name, common::typedText(Text1), &reason))
        return;
    // The pupil's text stays in the box so that it can be saved again later.
    common::showMessageBox(
        QStringLiteral("Не удалось сохранить запись в файл %1 в папке %2: %3. Текст остался в "
                       "окне форума.")
            .arg(name, QDir::toNativeSeparators(QDir::currentPath()), reason),
        QStringLiteral("Ошибка"), common::BoxIcon::Stop);
}

void Form5::fg_Click()
{
    Text1->clear();
}

void Form5::sd_Click()
{
    common::showInFront(main_);
    hide();
}

void Form5::df_Click()
{
    askExitQuestion();
}

void Form5::closeEvent(QCloseEvent* event)
{
    // The close box acts as "Выйти из форума": the text stays for the next opening.
    event->ignore();
    sd_Click();
}

} // namespace korventa
