#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

namespace veritabula {

class TeacherLink;

// The expression window: the pupil keys the expression on a keypad that
// enables only the keys that may follow, and hands it on with "Начать". It
// also holds the link to the teacher's server and shows the teacher's text.
class TfrmTable : public QWidget
{
public:
    TfrmTable();

    // The kind of a key, kept in its "Tag" property.
    enum KeyKind { OperatorKey = 2, VariableKey = 3, OpeningKey = 4, ClosingKey = 5 };

    QLineEdit* EditIN = nullptr;
    QPushButton* btnStart = nullptr;
    QPushButton* btnA = nullptr;
    QPushButton* btnB = nullptr;
    QPushButton* btnC = nullptr;
    QPushButton* btnD = nullptr;
    QPushButton* btnDIS = nullptr;
    QPushButton* btnIMPL = nullptr;
    QPushButton* btnEQU = nullptr;
    QPushButton* btnINV = nullptr;
    QPushButton* btnXOR = nullptr;
    QPushButton* btnCON = nullptr;
    QPushButton* btnOP = nullptr;
    QPushButton* btnCL = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QAction* N1 = nullptr;
    QAction* N2 = nullptr;
    QPushButton* ButtonClear = nullptr;
    QPushButton* btnKeyboard = nullptr;
    QLabel* lblLast = nullptr;
    QLabel* lblByTeatcher = nullptr;
    QListWidget* ListBoxLast = nullptr;
    QPlainTextEdit* MemoTeacher = nullptr;
    TeacherLink* ClientSocket = nullptr;
    QMenu* PopupMenuVar = nullptr;
    // E1 .. Z1: the letters E to Z without V, in that order.
    QList<QAction*> popupLetters;

    // Holds every control; its size is the window's client area.
    QWidget* clientArea = nullptr;

    // For the whole run: presses of "(" and ")", and whether the warning on
    // operations of equal priority has been shown.
    int openParens = 0;
    int closeParens = 0;
    bool warningShown = false;

    // The teacher's text is shown up to this many bytes.
    static constexpr int teacherTextLimit = 64 * 1024;

    void FormShow();
    void btnAClick(QObject* sender);
    void Z1Click(QAction* item);
    void btnAMouseDown(QPushButton* sender, Qt::MouseButton button, const QPoint& globalPos);
    void ButtonClearClick();
    void btnKeyboardClick();
    void ListBoxLastClick();
    void MemoTeacherClick();
    void btnStartClick();
    void N1Click();
    void N2Click();
    void FormCloseQuery();
    void ClientSocketConnect();
    void ClientSocketRead();
    void ClientSocketError();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* makeKey(const QString& name, const QString& caption, int left, int top, int tag,
                         const QString& toolTip);
    void setStartState();
    void setOperandState();
    void setOperatorState();
    void updateClosingKey();
    void keepCapitals();
    void showTeacherText();

    // What the server sent since the box was last set, cut to the limit.
    QByteArray teacherBytes_;
    bool teacherTextPending_ = false;
};

} // namespace veritabula
