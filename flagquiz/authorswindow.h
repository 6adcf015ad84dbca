#pragma once

#include "infowindow.h"

namespace korventa {

// "Авторы": the supervisor line above the credits.
class Form4 : public InfoWindow
{
public:
    explicit Form4(Form1* main);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

    void Form_Load();
};

} // namespace korventa
