#include "truthtablewindow.h"

#include "colours.h"
#include "expressionwindow.h"
#include "fonts.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "program.h"
#include "teacherlink.h"
#include "text.h"
#include "windowframe.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>
#include <optional>
#include <utility>

namespace veritabula {

int AnswerColCount = 0;
int AnswerRowCount = 0;
strarray AnswerCaptions;
table AnswerTable;

namespace {

const QColor WrongCellColour(255, 100, 100);

// The grid remembers which cells the last check found wrong and draws their
// frames itself, so a frame survives scrolling and windows passing over it.
class ExerciseGrid : public QTableWidget
{
public:
    explicit ExerciseGrid(QWidget* parent) : QTableWidget(parent) {}

    void resetMarks()
    {
        wrong_.assign(static_cast<size_t>(std::max(0, columnCount() * rowCount())), false);
        checked_ = false;
        viewport()->update();
    }

    void setMarks(const std::vector<CellRef>& cells)
    {
        resetMarks();
        for (const CellRef& cell : cells) {
            if (inside(cell.column, cell.row))
                wrong_[index(cell.column, cell.row)] = true;
        }
        checked_ = true;
        viewport()->update();
    }

    void unmark(int column, int row)
    {
        if (inside(column, row) && wrong_[index(column, row)]) {
            wrong_[index(column, row)] = false;
            viewport()->update(visualRect(model()->index(row, column)));
        }
    }

    bool isMarked(int column, int row) const
    {
        return inside(column, row) && wrong_[index(column, row)];
    }

protected:
    // The white edge first, then the light-red frames over it, so that a
    // wrong cell on the edge keeps all four sides.
    void paintEvent(QPaintEvent* event) override
    {
        QTableWidget::paintEvent(event);
        if (!checked_)
            return;
        QPainter painter(viewport());
        painter.setBrush(Qt::NoBrush);
        painter.setPen(Qt::white);
        painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
        painter.setPen(WrongCellColour);
        const int lastRow = lastVisible(rowAt(viewport()->height() - 1), rowCount());
        const int lastColumn = lastVisible(columnAt(viewport()->width() - 1), columnCount());
        for (int row = std::max(0, rowAt(0)); row <= lastRow; ++row) {
            for (int column = std::max(0, columnAt(0)); column <= lastColumn; ++column) {
                if (isMarked(column, row))
                    painter.drawRect(
                        visualRect(model()->index(row, column)).adjusted(0, 0, -1, -1));
            }
        }
    }

private:
    // rowAt and columnAt give -1 past the last row or column.
    static int lastVisible(int found, int count) { return found < 0 ? count - 1 : found; }

    bool inside(int column, int row) const
    {
        return column >= 0 && row >= 0 && column < columnCount() && row < rowCount() &&
               index(column, row) < wrong_.size();
    }
    size_t index(int column, int row) const
    {
        return static_cast<size_t>(row) * static_cast<size_t>(columnCount()) +
               static_cast<size_t>(column);
    }

    std::vector<bool> wrong_;
    bool checked_ = false;
};

ExerciseGrid* exerciseGrid(QTableWidget* grid)
{
    return static_cast<ExerciseGrid*>(grid);
}

// The other windows are reached through their global instances.
QString expressionText()
{
    return frmTable && frmTable->EditIN ? frmTable->EditIN->text() : QString();
}

QString pupilName()
{
    return frmMain && frmMain->EditName ? frmMain->EditName->text() : QString();
}

TeacherLink* teacherLink()
{
    return frmTable ? frmTable->ClientSocket : nullptr;
}

} // namespace

TfrmTableCr::TfrmTableCr() : layout_(QSize(0, 0), 0)
{
    setObjectName(QStringLiteral("frmTableCr"));
    setWindowTitle(QStringLiteral("Таблица Истинности"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(common::classicFont(11));
    common::setGroundColour(this, common::MoneyGreen);

    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    N2 = MainMenu1->addAction(QStringLiteral("Назад"));
    N2->setObjectName(QStringLiteral("N2"));

    client_ = new QWidget(this);
    setCentralWidget(client_);

    lblEval = new QLabel(client_);
    lblEval->setObjectName(QStringLiteral("lblEval"));
    lblEval->setFont(common::classicFont(19));
    lblEval->move(TableLayout::LabelLeft, TableLayout::LabelTop);
    lblEval->resize(0, TableLayout::LabelHeight);

    auto* grid = new ExerciseGrid(client_);
    StringGrid = grid;
    StringGrid->setObjectName(QStringLiteral("StringGrid"));
    StringGrid->setFont(common::classicFont(16, true));
    StringGrid->setGeometry(TableLayout::GridLeft, TableLayout::GridTop, TableLayout::GridWidth,
                            TableLayout::GridHeight);
    StringGrid->setFrameShape(QFrame::NoFrame);
    StringGrid->setColumnCount(4);
    StringGrid->horizontalHeader()->hide();
    StringGrid->verticalHeader()->hide();
    StringGrid->verticalHeader()->setMinimumSectionSize(1);
    StringGrid->verticalHeader()->setDefaultSectionSize(TableLayout::RowHeight);
    StringGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid->setTabKeyNavigation(false);
    StringGrid->setShowGrid(true);
    StringGrid->setWordWrap(false);
    StringGrid->horizontalScrollBar()->setTracking(true);
    StringGrid->verticalScrollBar()->setTracking(true);
    StringGrid->installEventFilter(this);

    GroupOper = new QGroupBox(QStringLiteral("Операции"), client_);
    GroupOper->setObjectName(QStringLiteral("GroupOper"));
    GroupOper->setFont(common::classicFont(19));
    GroupOper->setFlat(true);
    GroupOper->setGeometry(TableLayout::GroupLeft, TableLayout::GroupTop, TableLayout::GroupWidth,
                           TableLayout::GroupHeight);

    ListOper = new QListWidget(GroupOper);
    ListOper->setObjectName(QStringLiteral("ListOper"));
    ListOper->setGeometry(8, 24, 225, 121);
    ListOper->installEventFilter(this);

    btn0 = new QPushButton(QStringLiteral("0"), GroupOper);
    btn0->setObjectName(QStringLiteral("btn0"));
    btn0->setFont(common::classicFont(21));
    btn0->setGeometry(246, 24, 57, 49);

    btn1 = new QPushButton(QStringLiteral("1"), GroupOper);
    btn1->setObjectName(QStringLiteral("btn1"));
    btn1->setFont(common::classicFont(21));
    btn1->setGeometry(308, 24, 57, 49);

    btnCheck = new QPushButton(QStringLiteral("Проверить"), GroupOper);
    btnCheck->setObjectName(QStringLiteral("btnCheck"));
    btnCheck->setFont(common::classicFont(21));
    btnCheck->setGeometry(246, 96, 120, 49);

    // Tab order: the grid, then the group's check, 0, 1 and the list.
    setTabOrder(StringGrid, btnCheck);
    setTabOrder(btnCheck, btn0);
    setTabOrder(btn0, btn1);
    setTabOrder(btn1, ListOper);

    connect(N2, &QAction::triggered, this, &TfrmTableCr::N2Click);
    connect(ListOper, &QListWidget::itemClicked, this, &TfrmTableCr::ListOperClick);
    connect(btn0, &QPushButton::clicked, this, &TfrmTableCr::btn0Click);
    connect(btn1, &QPushButton::clicked, this, &TfrmTableCr::btn1Click);
    connect(btnCheck, &QPushButton::clicked, this, &TfrmTableCr::btnCheckClick);

    layout_.setMetrics(frameSize(), style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    resize(TableLayout::OuterWidth, TableLayout::OuterHeight);
}

QSize TfrmTableCr::frameSize() const
{
    // Outer size less client area: the window manager's frame and the menu.
    return QSize(frame_.left() + frame_.right(),
                 frame_.top() + frame_.bottom() + MainMenu1->sizeHint().height());
}

void TfrmTableCr::applyLayout()
{
    StringGrid->resize(layout_.grid());
    GroupOper->move(TableLayout::GroupLeft, layout_.groupTop());
}

void TfrmTableCr::FormResize()
{
    // The central widget follows the window only when the window's layout
    // runs; the client area is the window less its menu.
    layout_.resizeClient(size() - QSize(0, MainMenu1->sizeHint().height()));
    applyLayout();
}

void TfrmTableCr::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfrmTableCr::FormShow()
{
    const std::string normalised = NormalizeExpression(common::toCp1251String(expressionText()));
    showExpression(normalised);

    // An expression that cannot be built gets an empty grid and nothing to check.
    const std::optional<ExerciseAnswer> built = BuildExerciseAnswer(normalised);
    ExerciseAnswer answer = built.value_or(ExerciseAnswer());
    const int C = answer.columnCount();
    const int R = answer.rowCount();
    AnswerColCount = C + 1;
    AnswerRowCount = R + 1;

    resetGrid(C, R);
    layOut(C, R, sizeColumns(answer.captions));

    AnswerCaptions = std::move(answer.captions);
    AnswerTable = std::move(answer.truthTable);
    btnCheck->setEnabled(built.has_value());
    offerCaptions(AnswerCaptions);
}

void TfrmTableCr::showExpression(const std::string& normalised)
{
    lblEval->setText(QStringLiteral("Выражение: ") + common::fromCp1251(normalised));
    lblEval->adjustSize();
    lblEval->resize(lblEval->width(), TableLayout::LabelHeight);
}

void TfrmTableCr::resetGrid(int columns, int rows)
{
    // No cell holds an item until the pupil writes into it.
    StringGrid->clearContents();
    StringGrid->setColumnCount(columns);
    StringGrid->setRowCount(rows + 1);
    StringGrid->setCurrentCell(columns > 0 ? 0 : -1, columns > 0 ? 0 : -1);
    StringGrid->scrollToTop();
    exerciseGrid(StringGrid)->resetMarks();
}

int TfrmTableCr::sizeColumns(const strarray& captions)
{
    // Every column is as wide as the widest caption needs.
    const QFontMetrics metrics(StringGrid->font());
    int w = 0;
    for (size_t i = 1; i < captions.size(); ++i)
        w = std::max(w, columnWidthFor(metrics.horizontalAdvance(common::fromCp1251(captions[i]))));
    for (int c = 0; c < StringGrid->columnCount(); ++c)
        StringGrid->setColumnWidth(c, w);
    return w;
}

void TfrmTableCr::layOut(int columns, int rows, int columnWidth)
{
    layout_.setMetrics(frameSize(), style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    const int labelRight = lblEval->x() + lblEval->width();
    // A window wider or taller than the screen would put its menu, its check
    // button or its title bar out of the pupil's reach.
    const QSize room = screen() ? screen()->availableGeometry().size()
                                : QSize(TableLayout::Unlimited, TableLayout::Unlimited);
    layout_.show(columns, rows + 1, columnWidth, labelRight, room);
    setMaximumSize(layout_.maximumOuter() - frameSize() + QSize(0, MainMenu1->sizeHint().height()));
    resize(layout_.client() + QSize(0, MainMenu1->sizeHint().height()));
    applyLayout();
}

void TfrmTableCr::offerCaptions(const strarray& captions)
{
    QStringList items;
    for (size_t i = 1; i < captions.size(); ++i)
        items.append(common::fromCp1251(captions[i]));
    QRandomGenerator random(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    ShuffleStrings(items, random);
    ListOper->clear();
    ListOper->addItems(items);
}

void TfrmTableCr::setVisible(bool visible)
{
    // The show step runs before the window system sees the window, so that
    // every showing, the first included, has the table's size and is centred
    // with the frame it is about to get.
    if (visible && !isVisible()) {
        frame_ = common::windowFrame(this);
        FormShow();
        common::centreOnScreen(this, frame_);
    }
    QMainWindow::setVisible(visible);
}

void TfrmTableCr::N2Click()
{
    hide();
    if (frmTable)
        frmTable->show();
}

QString TfrmTableCr::cellText(int column, int row) const
{
    const QTableWidgetItem* item = StringGrid->item(row, column);
    return item ? item->text() : QString();
}

bool TfrmTableCr::isMarkedWrong(int column, int row) const
{
    return exerciseGrid(StringGrid)->isMarked(column, row);
}

void TfrmTableCr::writeCell(const QString& text)
{
    const int row = StringGrid->currentRow();
    const int column = StringGrid->currentColumn();
    if (row < 0 || column < 0)
        return;
    QTableWidgetItem* item = StringGrid->item(row, column);
    // The same text again is no change: a framed cell keeps its frame.
    if (text == (item ? item->text() : QString()))
        return;
    if (item)
        item->setText(text);
    else
        StringGrid->setItem(row, column, new QTableWidgetItem(text));
    exerciseGrid(StringGrid)->unmark(column, row);
}

void TfrmTableCr::ListOperClick()
{
    if (StringGrid->currentRow() == 0) {
        if (const QListWidgetItem* item = ListOper->currentItem())
            writeCell(item->text());
        return;
    }
    common::showMessageBox(QStringLiteral("Это строка для вычислений"), QStringLiteral("Ошибка"));
}

bool TfrmTableCr::refusedInHeaderRow()
{
    if (StringGrid->currentRow() != 0)
        return false;
    common::showMessageBox(QStringLiteral("Это строка для операций"), QStringLiteral("Ошибка"));
    return true;
}

void TfrmTableCr::btn0Click()
{
    if (!refusedInHeaderRow())
        writeCell(QStringLiteral("0"));
}

void TfrmTableCr::btn1Click()
{
    if (!refusedInHeaderRow())
        writeCell(QStringLiteral("1"));
}

void TfrmTableCr::StringGridKeyPress(QChar key)
{
    if (refusedInHeaderRow())
        return;
    if (key == QLatin1Char('0') || key == QLatin1Char('1'))
        writeCell(QString(key));
}

void TfrmTableCr::btnCheckClick()
{
    const CheckResult result = checkAnswers(
        AnswerCaptions, AnswerTable, [this](int column, int row) { return cellText(column, row); });
    exerciseGrid(StringGrid)->setMarks(result.wrongCells);
    common::showMessageBox(resultText(result.errors), QStringLiteral("Результат"));
    if (TeacherLink* link = teacherLink())
        link->sendResult(pupilName(), lblEval->text(), result.errors);
}

void TfrmTableCr::FormCloseQuery()
{
    if (TeacherLink* link = teacherLink())
        link->close();
    if (frmMain)
        frmMain->close();
}

void TfrmTableCr::closeEvent(QCloseEvent* event)
{
    FormCloseQuery();
    event->accept();
}

bool TfrmTableCr::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == StringGrid) {
        // A key that gives a character is the pupil's entry, never a jump
        // to a matching cell; Tab still moves the focus on.
        if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        StringGridKeyPress(key->text().at(0));
        return true;
    }
    if (watched == ListOper && !forwardingKey_) {
        // Moving the selection with the keys counts as choosing the item.
        const int before = ListOper->currentRow();
        forwardingKey_ = true;
        QCoreApplication::sendEvent(ListOper, event);
        forwardingKey_ = false;
        if (ListOper->currentRow() != before && ListOper->currentRow() >= 0)
            ListOperClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace veritabula
