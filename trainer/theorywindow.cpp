#include "theorywindow.h"

namespace veritabula {

TfrmTeor::TfrmTeor()
{
    setWindowTitle(QStringLiteral("Теория"));
}

} // namespace veritabula
