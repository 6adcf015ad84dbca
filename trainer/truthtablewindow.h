#pragma once

#include "engine.h"
#include "exercise.h"

#include <QMainWindow>
#include <QMargins>

#include <string>

class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenuBar;
class QPushButton;
class QTableWidget;

namespace veritabula {

// The expected answer of the exercise on show, kept from one showing to the
// check: the column count plus one, the row count plus one (row 0 is the
// header), the header of each column 1..C (the last is "F") and its values.
extern int AnswerColCount;
extern int AnswerRowCount;
extern strarray AnswerCaptions;
extern table AnswerTable;

// The truth-table exercise: the pupil fills the header row from the list and
// every other cell with 0 and 1, then asks for a check.
class TfrmTableCr : public QMainWindow
{
public:
    TfrmTableCr();

    QTableWidget* StringGrid = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QAction* N2 = nullptr;
    QLabel* lblEval = nullptr;
    QGroupBox* GroupOper = nullptr;
    QPushButton* btnCheck = nullptr;
    QPushButton* btn0 = nullptr;
    QPushButton* btn1 = nullptr;
    QListWidget* ListOper = nullptr;

    void FormResize();
    void FormShow();
    void N2Click();
    void ListOperClick();
    void btn0Click();
    void btn1Click();
    void btnCheckClick();
    void StringGridKeyPress(QChar key);
    // Closing the exercise ends the run: the link closes, then the main menu.
    void FormCloseQuery();

    // Whether the check marked this cell wrong (it keeps its frame until it
    // changes, the next check or the next expression).
    bool isMarkedWrong(int column, int row) const;

    void setVisible(bool visible) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The steps of FormShow.
    void showExpression(const std::string& normalised);
    void resetGrid(int columns, int rows);
    int sizeColumns(const strarray& captions);
    void layOut(int columns, int rows, int columnWidth);
    void offerCaptions(const strarray& captions);

    // The header row takes captions only: a digit or a key there is refused
    // with a box.
    bool refusedInHeaderRow();
    void writeCell(const QString& text);
    QString cellText(int column, int row) const;
    QSize frameSize() const;
    void applyLayout();

    QWidget* client_ = nullptr;
    TableLayout layout_;
    // The window manager's frame: known before each showing sizes the window.
    QMargins frame_;
    bool forwardingKey_ = false;
};

} // namespace veritabula
