#include "truthtablewindow.h"

namespace veritabula {

TfrmTableCr::TfrmTableCr()
{
    setWindowTitle(QStringLiteral("Таблица истинности"));
}

} // namespace veritabula
