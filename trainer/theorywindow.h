#pragma once

#include <QWidget>

namespace veritabula {

class TfrmTeor : public QWidget
{
public:
    TfrmTeor();
};

} // namespace veritabula
