#pragma once

#include "infowindow.h"

namespace korventa {

// "О программе": a short history of flag signalling, the makers' notice and
// the book the quiz draws on.
class Form3 : public InfoWindow
{
public:
    explicit Form3(Form1* main);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

    void Form_Load();
};

} // namespace korventa
