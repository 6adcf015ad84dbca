#pragma once

#include <QMainWindow>

class QAction;
class QCloseEvent;
class QLabel;
class QMenuBar;
class QScrollArea;
class QShowEvent;

namespace veritabula {

// The theory page: one tall picture in a window that scrolls vertically.
class TfrmTeor : public QMainWindow
{
public:
    static constexpr int PageHeight = 2434;

    TfrmTeor();

    QMenuBar* MainMenu1 = nullptr;
    QAction* N1 = nullptr;
    QAction* N2 = nullptr;
    QLabel* Image1 = nullptr;

    void FormCreate();
    void N1Click();
    void N2Click();

    QScrollArea* scrollArea() const { return scroll_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitPage();

    QScrollArea* scroll_ = nullptr;
    QWidget* page_ = nullptr;
    bool leaving_ = false;
    bool pictureRead_ = false;
};

} // namespace veritabula
