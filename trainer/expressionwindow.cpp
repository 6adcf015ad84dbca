#include "expressionwindow.h"

#include "application.h"
#include "colours.h"
#include "engine.h"
#include "fonts.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "program.h"
#include "teacherlink.h"
#include "text.h"
#include "truthtablewindow.h"
#include "windowframe.h"
#include "windowlayout.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTcpSocket>

#include <algorithm>

namespace veritabula {

namespace {

constexpr int clientWidth = 505;
constexpr int clientHeight = 407;

const QString helpText = QStringLiteral("¬,- - Инверсия\r\n"
                                        "+,V,\\/ - Дизъюнкция\r\n"
                                        "*,/\\ - Конъюнкция\r\n"
                                        "=>,-> - Импликация\r\n"
                                        "<->,<=>,= - Эквивалентность\r\n"
                                        "<> - Исключающее \"Или\"\r\n"
                                        "\r\n"
                                        "Для использования большего\r\n"
                                        "количества переменных\r\n"
                                        "нажмите правой кнопкой мыши\r\n"
                                        "по одной из них.");

const QString warningText = QStringLiteral(
    "Если в логическом выражении встречаются несколько одинаковых по важности операций, "
    "заполняйте ими таблицу в порядке их следования в выражении (слева направо).");

// Removes every "()", the pairs a removal lays bare included, in one pass:
// a ")" right after a "(" that is kept closes an empty pair.
QString withoutEmptyPairs(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char(')') && result.endsWith(QLatin1Char('(')))
            result.chop(1);
        else
            result.append(c);
    }
    return result;
}

// The box lays out a whole line at once, which for a line of thousands of
// characters takes seconds; so a long line is shown as lines of at most this
// many characters. A click joins the lines again.
constexpr qsizetype teacherLineLimit = 1024;

QString inShortLines(const QString& text)
{
    QString result;
    result.reserve(text.size() + text.size() / teacherLineLimit);
    qsizetype lineLength = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            lineLength = 0;
        } else if (lineLength == teacherLineLimit) {
            result.append(QLatin1Char('\n'));
            lineLength = 1;
        } else {
            ++lineLength;
        }
        result.append(c);
    }
    return result;
}

// A refused expression as its box names it: a long one only by its start,
// short enough to fit the box's width, so the box stays the size of a box.
QString shownInBox(const QString& expression)
{
    constexpr qsizetype limit = 60;
    if (expression.size() <= limit)
        return expression;
    return expression.left(limit) + QStringLiteral("…");
}

} // namespace

TfrmTable::TfrmTable()
{
    setObjectName(QStringLiteral("frmTable"));
    setWindowTitle(QStringLiteral("Построение таблицы истинности"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(common::classicFont(11));
    common::setGroundColour(this, common::MoneyGreen);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    N1 = MainMenu1->addAction(QStringLiteral("&Помощь"));
    N1->setObjectName(QStringLiteral("N1"));
    N2 = MainMenu1->addAction(QStringLiteral("&Назад"));
    N2->setObjectName(QStringLiteral("N2"));
    clientArea = placeFixedClientArea(this, MainMenu1, clientWidth, clientHeight);

    EditIN = new QLineEdit(clientArea);
    EditIN->setObjectName(QStringLiteral("EditIN"));
    EditIN->setGeometry(16, 16, 473, 30);
    EditIN->setFrame(false);
    EditIN->setFont(common::classicFont(20));
    EditIN->setToolTip(QStringLiteral("Введите выражение"));
    EditIN->setEnabled(false);

    btnA = makeKey(QStringLiteral("btnA"), QStringLiteral("A"), 16, 64, VariableKey,
                   QStringLiteral("Переменная"));
    btnB = makeKey(QStringLiteral("btnB"), QStringLiteral("B"), 96, 64, VariableKey,
                   QStringLiteral("Переменная"));
    btnC = makeKey(QStringLiteral("btnC"), QStringLiteral("C"), 176, 64, VariableKey,
                   QStringLiteral("Переменная"));
    btnD = makeKey(QStringLiteral("btnD"), QStringLiteral("D"), 256, 64, VariableKey,
                   QStringLiteral("Переменная"));
    btnOP = makeKey(QStringLiteral("btnOP"), QStringLiteral("("), 336, 64, OpeningKey, QString());
    btnCL = makeKey(QStringLiteral("btnCL"), QStringLiteral(")"), 416, 64, ClosingKey, QString());
    btnCON = makeKey(QStringLiteral("btnCON"), QStringLiteral("+"), 16, 112, OperatorKey,
                     QStringLiteral("Дизъюнкция"));
    btnDIS = makeKey(QStringLiteral("btnDIS"), QStringLiteral("*"), 96, 112, OperatorKey,
                     QStringLiteral("Конъюнкция"));
    btnIMPL = makeKey(QStringLiteral("btnIMPL"), QStringLiteral("=>"), 176, 112, OperatorKey,
                      QStringLiteral("Импликация"));
    btnEQU = makeKey(QStringLiteral("btnEQU"), QStringLiteral("<->"), 256, 112, OperatorKey,
                     QStringLiteral("Эквивалентность"));
    btnINV = makeKey(QStringLiteral("btnINV"), QStringLiteral("¬"), 336, 112, OperatorKey,
                     QStringLiteral("Инверсия"));
    btnXOR = makeKey(QStringLiteral("btnXOR"), QStringLiteral("<>"), 416, 112, OperatorKey,
                     QStringLiteral("Исключающее \"Или\" / Строгая Дизъюнкция"));

    ButtonClear = new QPushButton(QStringLiteral("Очистить"), clientArea);
    ButtonClear->setObjectName(QStringLiteral("ButtonClear"));
    ButtonClear->setGeometry(16, 152, 105, 25);
    ButtonClear->setFont(common::classicFont(16, true));
    ButtonClear->setToolTip(QStringLiteral("Очистка поля ввода"));

    btnKeyboard = new QPushButton(QStringLiteral("Активировать ввод с клавиатуры"), clientArea);
    btnKeyboard->setObjectName(QStringLiteral("btnKeyboard"));
    btnKeyboard->setGeometry(128, 152, 363, 25);
    btnKeyboard->setFont(common::classicFont(16, true));
    btnKeyboard->setToolTip(QStringLiteral("Если совсем не любишь кнопачки"));

    lblLast = new QLabel(QStringLiteral("Последние выражения:"), clientArea);
    lblLast->setObjectName(QStringLiteral("lblLast"));
    lblLast->setGeometry(16, 184, 225, 20);
    lblLast->setFont(common::classicFont(17));
    common::fitCaption(lblLast);

    lblByTeatcher = new QLabel(QStringLiteral("Предложено учителем:"), clientArea);
    lblByTeatcher->setObjectName(QStringLiteral("lblByTeatcher"));
    lblByTeatcher->setGeometry(264, 184, 179, 20);
    lblByTeatcher->setFont(common::classicFont(17));
    common::fitCaption(lblByTeatcher);

    ListBoxLast = new QListWidget(clientArea);
    ListBoxLast->setObjectName(QStringLiteral("ListBoxLast"));
    ListBoxLast->setGeometry(16, 208, 225, 105);
    ListBoxLast->setFont(common::classicFont(17));
    ListBoxLast->setUniformItemSizes(true);

    MemoTeacher = new QPlainTextEdit(clientArea);
    MemoTeacher->setObjectName(QStringLiteral("MemoTeacher"));
    MemoTeacher->setGeometry(264, 208, 225, 105);
    MemoTeacher->setMaximumSize(225, 105);
    MemoTeacher->setFont(common::classicFont(19));
    MemoTeacher->setReadOnly(true);
    MemoTeacher->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    MemoTeacher->viewport()->installEventFilter(this);

    btnStart = new QPushButton(QStringLiteral("Начать"), clientArea);
    btnStart->setObjectName(QStringLiteral("btnStart"));
    btnStart->setGeometry(16, 328, 473, 57);
    btnStart->setFont(common::classicFont(32));
    btnStart->setToolTip(QStringLiteral("Начало теста"));

    PopupMenuVar = new QMenu(this);
    PopupMenuVar->setObjectName(QStringLiteral("PopupMenuVar"));
    for (char16_t letter = u'E'; letter <= u'Z'; ++letter) {
        if (letter == u'V')
            continue; // V is one of the ways to write disjunction
        const QString caption(QChar{letter});
        QAction* item = PopupMenuVar->addAction(caption);
        item->setObjectName(caption + (letter == u'N' ? QStringLiteral("3") : QStringLiteral("1")));
        item->setProperty("Tag", VariableKey);
        connect(item, &QAction::triggered, this, [this, item] { Z1Click(item); });
        popupLetters.append(item);
    }

    ClientSocket = new TeacherLink(this);
    connect(ClientSocket->socket(), &QTcpSocket::connected, this, &TfrmTable::ClientSocketConnect);
    connect(ClientSocket->socket(), &QTcpSocket::readyRead, this, &TfrmTable::ClientSocketRead);
    connect(ClientSocket->socket(), &QTcpSocket::errorOccurred, this,
            &TfrmTable::ClientSocketError);

    const QList<QWidget*> tabOrder = {
        EditIN, btnStart, btnA,   btnB,  btnC,  btnD,        btnCON,      btnDIS,      btnIMPL,
        btnEQU, btnINV,   btnXOR, btnOP, btnCL, ButtonClear, btnKeyboard, ListBoxLast, MemoTeacher};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));

    for (QPushButton* key : {btnA, btnB, btnC, btnD})
        key->installEventFilter(this);

    connect(EditIN, &QLineEdit::textChanged, this, &TfrmTable::keepCapitals);
    connect(ButtonClear, &QPushButton::clicked, this, &TfrmTable::ButtonClearClick);
    connect(btnKeyboard, &QPushButton::clicked, this, &TfrmTable::btnKeyboardClick);
    connect(ListBoxLast, &QListWidget::itemClicked, this, &TfrmTable::ListBoxLastClick);
    // Moving the selection with the keys picks the expression too.
    connect(ListBoxLast, &QListWidget::currentRowChanged, this, [this] {
        if (ListBoxLast->hasFocus())
            ListBoxLastClick();
    });
    connect(btnStart, &QPushButton::clicked, this, &TfrmTable::btnStartClick);
    connect(N1, &QAction::triggered, this, &TfrmTable::N1Click);
    connect(N2, &QAction::triggered, this, &TfrmTable::N2Click);

    common::centreWhenFirstShown(this);
}

QPushButton* TfrmTable::makeKey(const QString& name, const QString& caption, int left, int top,
                                int tag, const QString& toolTip)
{
    auto* key = new QPushButton(caption, clientArea);
    key->setObjectName(name);
    key->setGeometry(left, top, 75, 25);
    key->setFont(common::classicFont(16, true));
    key->setProperty("Tag", tag);
    if (!toolTip.isEmpty())
        key->setToolTip(toolTip);
    connect(key, &QPushButton::clicked, this, [this, key] { btnAClick(key); });
    return key;
}

void TfrmTable::setStartState()
{
    for (QPushButton* key : {btnA, btnB, btnC, btnD, btnOP, btnINV})
        key->setEnabled(true);
    for (QPushButton* key : {btnDIS, btnCON, btnIMPL, btnEQU, btnXOR, btnCL})
        key->setEnabled(false);
}

void TfrmTable::setOperatorState()
{
    setStartState();
}

void TfrmTable::setOperandState()
{
    for (QPushButton* key : {btnA, btnB, btnC, btnD, btnOP, btnINV})
        key->setEnabled(false);
    for (QPushButton* key : {btnDIS, btnCON, btnIMPL, btnEQU, btnXOR})
        key->setEnabled(true);
    updateClosingKey();
}

void TfrmTable::updateClosingKey()
{
    btnCL->setEnabled(openParens > closeParens);
}

void TfrmTable::keepCapitals()
{
    const QString text = EditIN->text();
    const QString capitals = common::upperCase1251(text);
    if (capitals == text)
        return;
    const int caret = EditIN->cursorPosition();
    EditIN->setText(capitals);
    EditIN->setCursorPosition(caret);
}

void TfrmTable::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar is no new showing.
    if (!event->spontaneous())
        FormShow();
}

void TfrmTable::FormShow()
{
    if (frmMain) {
        try {
            ClientSocket->open(frmMain->EditIP->text(), frmMain->EditPort->text());
        } catch (const PortConversionError& error) {
            common::showEscapedError(error);
            return;
        }
    }
    EditIN->clear();
    setStartState();
}

void TfrmTable::btnAClick(QObject* sender)
{
    if (auto* item = qobject_cast<QAction*>(sender)) {
        EditIN->setText(EditIN->text() + item->text());
        setOperandState();
        return;
    }
    auto* key = qobject_cast<QPushButton*>(sender);
    if (key == nullptr)
        return;
    EditIN->setText(EditIN->text() + key->text());
    switch (key->property("Tag").toInt()) {
    case VariableKey:
        setOperandState();
        break;
    case OperatorKey:
        setOperatorState();
        break;
    case OpeningKey:
        ++openParens;
        break;
    case ClosingKey:
        ++closeParens;
        updateClosingKey();
        break;
    default:
        break;
    }
}

void TfrmTable::Z1Click(QAction* item)
{
    btnAClick(item);
}

void TfrmTable::btnAMouseDown(QPushButton* sender, Qt::MouseButton button, const QPoint& globalPos)
{
    if (button != Qt::RightButton || !sender->isEnabled())
        return;
    PopupMenuVar->popup(globalPos);
}

bool TfrmTable::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto* key = qobject_cast<QPushButton*>(watched);
        if (key == btnA || key == btnB || key == btnC || key == btnD) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            btnAMouseDown(key, mouse->button(), mouse->globalPosition().toPoint());
        }
    } else if (event->type() == QEvent::MouseButtonRelease && watched == MemoTeacher->viewport()) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            MemoTeacherClick();
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmTable::ButtonClearClick()
{
    EditIN->clear();
    setStartState();
}

void TfrmTable::btnKeyboardClick()
{
    EditIN->setEnabled(true);
    btnKeyboard->setEnabled(false);
}

void TfrmTable::ListBoxLastClick()
{
    const QListWidgetItem* item = ListBoxLast->currentItem();
    if (item == nullptr || !item->isSelected())
        return;
    EditIN->setText(item->text());
}

void TfrmTable::MemoTeacherClick()
{
    // Every character the teacher sent, no-break spaces included, on one line.
    QString text = common::typedText(MemoTeacher);
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    EditIN->setText(text);
}

void TfrmTable::btnStartClick()
{
    const QString expression = withoutEmptyPairs(EditIN->text());
    if (expression.size() < 2)
        return;

    // Only an expression the truth-table window can build goes on.
    const std::string normalized = NormalizeExpression(common::toCp1251String(EditIN->text()));
    if (const std::optional<ExpressionError> error = CheckExpression(normalized)) {
        common::showMessageBox(QString::fromStdString(error->message) +
                                   QStringLiteral("\nВыражение: ") +
                                   shownInBox(common::fromCp1251(normalized)),
                               QStringLiteral("Ошибка"));
        return;
    }

    if (ListBoxLast->findItems(expression, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
        auto* item = new QListWidgetItem(expression, ListBoxLast);
        item->setSizeHint(QSize(0, 20));
    }
    if (!warningShown)
        common::showMessageBox(warningText, QStringLiteral("Предупреждение"));
    warningShown = true;

    if (frmTableCr)
        frmTableCr->show();
    hide();
}

void TfrmTable::N1Click()
{
    common::showMessageBox(helpText, QStringLiteral("Справка"));
}

void TfrmTable::N2Click()
{
    if (frmMain)
        frmMain->show();
    hide();
}

void TfrmTable::FormCloseQuery()
{
    ClientSocket->close();
    if (frmMain)
        frmMain->close();
}

void TfrmTable::closeEvent(QCloseEvent* event)
{
    FormCloseQuery();
    event->accept();
}

void TfrmTable::ClientSocketConnect() {}

void TfrmTable::ClientSocketRead()
{
    // Each arrival replaces the box; a flood is cut so the box stays usable.
    // The socket is emptied at once, but the box is set once for all the
    // arrivals of one turn of the event loop, after them.
    const QByteArray bytes = ClientSocket->readAvailable();
    teacherBytes_ += bytes.left(teacherTextLimit - teacherBytes_.size());
    if (teacherTextPending_)
        return;
    teacherTextPending_ = true;
    QMetaObject::invokeMethod(this, &TfrmTable::showTeacherText, Qt::QueuedConnection);
}

void TfrmTable::showTeacherText()
{
    teacherTextPending_ = false;
    QString text = common::fromCp1251(teacherBytes_);
    teacherBytes_.clear();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    MemoTeacher->setPlainText(inShortLines(text));
}

void TfrmTable::ClientSocketError()
{
    // The link is best effort: every failure leaves the pupil offline, silently,
    // until the next showing of this window tries again.
    ClientSocket->socket()->abort();
}

} // namespace veritabula
