#pragma once

#include "quizwords.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
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

    // Controls by their numbers: flag N (1..33), letter N, slot k (1..8), CommandN (1..13).
    ImageControl* pic(int n) const { return Pic_[static_cast<size_t>(n - 1)]; }
    QLabel* label(int n) const { return Label_[static_cast<size_t>(n - 1)]; }
    ImageControl* image(int k) const { return Image_[static_cast<size_t>(k - 1)]; }
    QPushButton* command(int n) const { return Command_[static_cast<size_t>(n - 1)]; }
    ImageControl* picz() const { return picz_; }
    QLineEdit* text1() const { return Text1_; }
    QLabel* label34() const { return Label34_; }

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
    void test1Step(int k);
    void showTest1Word(Test1Variant variant, int k);
    void test2Step(int step);
    void emptySlots();
    void showScore();

    std::array<ImageControl*, FlagCount> Pic_{};
    std::array<QLabel*, FlagCount> Label_{};
    std::array<ImageControl*, SlotCount> Image_{};
    std::array<QPushButton*, CommandCount> Command_{};
    ImageControl* picz_ = nullptr;
    QLineEdit* Text1_ = nullptr;
    QLabel* Label34_ = nullptr;
    QFrame* Line1_ = nullptr;
    QFrame* Line3_ = nullptr;

    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form5> form5_;
};

} // namespace korventa
