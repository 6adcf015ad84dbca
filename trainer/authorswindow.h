#pragma once

#include <QWidget>

namespace veritabula {

class TFormInfo : public QWidget
{
public:
    TFormInfo();
};

} // namespace veritabula
