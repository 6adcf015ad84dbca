#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace figurinex {

class Form2;
class Form3;

// The quiz window: the code table, the word round and the four animated
// figures.
class Form1 : public QWidget
{
public:
    Form1();
    ~Form1() override;

    void CommandSlovo_Click();
    void CommandRez_Click();
    void CommandСправка_Click();
    void Command1_Click();
    void CommandExit_Click();
    void Timer1_Timer();

    int wordStep() const { return WordStep; }
    int correctAnswers() const { return Correct; }
    Form2* helpWindow() const;
    Form3* authorsWindow() const;

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Picture2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* CommandSlovo = nullptr;
    QPushButton* CommandRez = nullptr;
    QPushButton* CommandСправка = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* CommandExit = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image4 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image5 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* imageForCounter(int counter) const;
    int& poseStep(int counter);

    int WordStep = 0;
    qint16 Correct = 0;
    int PoseStep1 = 0;
    int PoseStep2 = 0;
    int PoseStep3 = 0;
    int PoseStep4 = 0;

    // The help and authors windows have no owner; a closed one is discarded
    // and made anew by the next press.
    QPointer<Form2> help_;
    QPointer<Form3> authors_;
};

} // namespace figurinex
