#pragma once

#include "controlarray.h"
#include "quizwords.h"

#include <QMainWindow>
#include <QPixmap>

#include <memory>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace korventa {

class Form2;
class Form3;
class Form4;
class Form5;
class ImageControl;

// The buttons of the bottom row, Command1 to Command13.
constexpr int CommandCount = 13;
// The flag alphabet is laid out eight to a row.
constexpr int FlagsPerRow = 8;

// "Выйти из программы?": Yes ends the program at once, No changes nothing.
void askExitQuestion();

// The main window: the flag alphabet, the eight answer slots, the bottom row
// of the two tests and the menus. The tests keep their state in these
// controls: the visible step button is the step, and the caption of Test 1's
// step buttons is its variant.
class Form1 : public QMainWindow
{
public:
    Form1();
    ~Form1() override;

    // The flag alphabet: Pic[n] shows flag n, Label[n] its letter.
    ControlArray<ImageControl, FlagCount> Pic;
    ControlArray<QLabel, FlagCount> Label;
    // Its picture, which is empty, is the mark of an empty answer slot.
    ImageControl* picz = nullptr;
    // The answer slots, Image[1] leftmost.
    ControlArray<ImageControl, SlotCount> Image;
    QLineEdit* Text1 = nullptr;
    QLabel* Label34 = nullptr;
    ControlArray<QPushButton, CommandCount> Command;
    QFrame* Line1 = nullptr;
    QFrame* Line3 = nullptr;

    QMenu* mmu1 = nullptr;
    QAction* mmu2 = nullptr;
    QAction* mmu10 = nullptr;
    QAction* mmu3 = nullptr;
    QAction* mmu4 = nullptr;
    QMenu* mm5 = nullptr;
    QAction* mm6 = nullptr;
    QAction* mm7 = nullptr;
    QAction* mm8 = nullptr;
    QMenu* mm9 = nullptr;
    QAction* mm10 = nullptr;

    // The picture object of flag N, the same one for the whole run.
    const QPixmap& flagPicture(int n) const;
    SlotKeys slotKeys() const;
    FlagKeys flagKeys() const;

    qint16 Correct = 0;

    // The other windows, or nullptr before their first showing.
    Form2* helpWindow() const { return form2_.get(); }
    Form3* aboutWindow() const { return form3_.get(); }
    Form4* authorsWindow() const { return form4_.get(); }
    Form5* forumWindow() const { return form5_.get(); }

    void Form_Load();
    void mmu2_Click();
    void mmu10_Click();
    void mmu3_Click();
    void mmu4_Click();
    void mm6_Click();
    void mm7_Click();
    void mm8_Click();
    void mm10_Click();

    void Command1_Click() { test1Step(1); }
    void Command2_Click() { test1Step(2); }
    void Command3_Click() { test1Step(3); }
    void Command4_Click() { test1Step(4); }
    void Command5_Click() { test1Step(5); }
    void Command6_Click() { showScore(); }
    void Command7_Click() { test2Step(1); }
    void Command8_Click() { test2Step(2); }
    void Command9_Click() { test2Step(3); }
    void Command10_Click() { test2Step(4); }
    void Command11_Click() { emptySlots(); }
    void Command12_Click() { test2Step(5); }
    void Command13_Click() { showScore(); }

    // The click on flag N (Pic1_Click .. Pic33_Click: one rule for all 33).
    void Pic_Click(int n);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void startTest1(Test1Variant variant);
    void showText1();
    void test1Step(int k);
    void showTest1Word(Test1Variant variant, int k);
    void test2Step(int step);
    void emptySlots();
    void showScore();

    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form5> form5_;
    bool text1Dressed_ = false;
};

} // namespace korventa
