#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace korventa {

class Form1;
class ImageControl;

// What the help, about and authors windows share: fixed texts in yellow
// labels, a slideshow of the flags stepping on every tick of Timer1 (also while
// the window is hidden) and "Закрыть", which brings the main window forward and
// hides this one.
class InfoWindow : public QWidget
{
public:
    ~InfoWindow() override;

    ImageControl* Image1 = nullptr;
    QTimer* Timer1 = nullptr;
    QPushButton* Command1 = nullptr;
    // The slideshow's place: the flag on show is FlagStep + 1.
    int FlagStep = 0;

    void Timer1_Timer();
    void Command1_Click();

protected:
    struct Layout
    {
        const char* name; // the window's objectName: Form2, Form3, Form4
        const char16_t* caption;
        int width, height;  // client area, twips
        QRect image;        // twips
        int interval;       // ms
        QPoint closeButton; // twips
    };
    InfoWindow(Form1* main, const Layout& layout);

    // A yellow text label at a place in twips.
    QLabel* addTextLabel(const char* name, int left, int top, int width, int height);

    void closeEvent(QCloseEvent* event) override;

private:
    Form1* main_;
};

} // namespace korventa
