#pragma once

#include <QWidget>

namespace veritabula {

class TfrmTable : public QWidget
{
public:
    TfrmTable();
};

} // namespace veritabula
