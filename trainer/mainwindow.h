#pragma once

#include <QWidget>

namespace veritabula {

class TfrmMain : public QWidget
{
public:
    TfrmMain();
};

} // namespace veritabula
