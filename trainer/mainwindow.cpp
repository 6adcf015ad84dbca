#include "mainwindow.h"

namespace veritabula {

TfrmMain::TfrmMain()
{
    setWindowTitle(QStringLiteral("Главное меню"));
}

} // namespace veritabula
