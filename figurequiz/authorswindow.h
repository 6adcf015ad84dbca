#pragma once

#include <QWidget>

class QLabel;

namespace figurinex {

// The authors window: credits, two portraits and the books used.
class Form3 : public QWidget
{
public:
    Form3();

    void Form_Load();

    QLabel* Label1 = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Picture2 = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace figurinex
