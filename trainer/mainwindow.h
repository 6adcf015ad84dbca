#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace veritabula {

// The main menu: the pupil's name, the teacher server's address and port, and
// the ways to the exercise, the theory page and the authors' page. Closing it
// ends the program.
class TfrmMain : public QWidget
{
public:
    TfrmMain();

    QMenuBar* MainMenu1 = nullptr;
    QPushButton* btnTabl = nullptr;
    QPushButton* btnTeor = nullptr;
    QLabel* Image1 = nullptr;
    QAction* N1 = nullptr;
    QLineEdit* EditIP = nullptr;
    QLineEdit* EditName = nullptr;
    QLineEdit* EditPort = nullptr;
    QLabel* lblTitle = nullptr;

    // Holds every control; its size is the window's client area.
    QWidget* clientArea = nullptr;

    void FormCreate();
    void btnTablClick();
    void btnTeorClick();
    void N1Click();
    void FormCloseQuery();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace veritabula
