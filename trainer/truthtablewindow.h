#pragma once

#include <QWidget>

namespace veritabula {

class TfrmTableCr : public QWidget
{
public:
    TfrmTableCr();
};

} // namespace veritabula
