#include "expressionwindow.h"

namespace veritabula {

TfrmTable::TfrmTable()
{
    setWindowTitle(QStringLiteral("Ввод выражения"));
}

} // namespace veritabula
