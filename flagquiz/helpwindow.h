#pragma once

#include "infowindow.h"

namespace korventa {

// "Помощь": what the two tests ask of the pupil.
class Form2 : public InfoWindow
{
public:
    explicit Form2(Form1* main);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;

    void Form_Load();
};

} // namespace korventa
