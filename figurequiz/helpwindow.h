#pragma once

#include <QWidget>

class QLabel;

namespace figurinex {

// The help window: what the cipher is and how the quiz is played.
class Form2 : public QWidget
{
public:
    Form2();

    void Form_Load();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
};

} // namespace figurinex
