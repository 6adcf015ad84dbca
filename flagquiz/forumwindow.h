#pragma once

#include <QMainWindow>

class QAction;
class QPlainTextEdit;

namespace korventa {

class Form1;

// "Форум": a notebook whose every save appends the text to FORUM.txt in the
// current folder.
class Form5 : public QMainWindow
{
public:
    explicit Form5(Form1* main);

    QPlainTextEdit* Text1 = nullptr;

    void as_Click();
    void fg_Click();
    void sd_Click();
    void df_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Form1* main_;
};

} // namespace korventa
