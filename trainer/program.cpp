#include "program.h"

#include "application.h"
#include "authorswindow.h"
#include "expressionwindow.h"
#include "mainwindow.h"
#include "theorywindow.h"
#include "truthtablewindow.h"

namespace veritabula {

TfrmMain* frmMain = nullptr;
TfrmTeor* frmTeor = nullptr;
TfrmTable* frmTable = nullptr;
TfrmTableCr* frmTableCr = nullptr;
TFormInfo* FormInfo = nullptr;

void createWindows()
{
    frmMain = new TfrmMain();
    frmTeor = new TfrmTeor();
    frmTable = new TfrmTable();
    frmTableCr = new TfrmTableCr();
    FormInfo = new TFormInfo();
    frmMain->show();
}

void destroyWindows()
{
    delete FormInfo;
    delete frmTableCr;
    delete frmTable;
    delete frmTeor;
    delete frmMain;
    FormInfo = nullptr;
    frmTableCr = nullptr;
    frmTable = nullptr;
    frmTeor = nullptr;
    frmMain = nullptr;
}

int ProgramMain(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("Veritabula"));
    // Hidden windows live for the whole run: only the main menu's closing
    // ends it (it quits the loop itself).
    app.setQuitOnLastWindowClosed(false);
    createWindows();
    const int code = app.exec();
    destroyWindows();
    return code;
}

} // namespace veritabula
