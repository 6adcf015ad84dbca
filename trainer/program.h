#pragma once

namespace veritabula {

class TfrmMain;
class TfrmTeor;
class TfrmTable;
class TfrmTableCr;
class TFormInfo;

// The five windows, created once at start and kept for the whole run.
extern TfrmMain* frmMain;
extern TfrmTeor* frmTeor;
extern TfrmTable* frmTable;
extern TfrmTableCr* frmTableCr;
extern TFormInfo* FormInfo;

// Creates the five windows in their order (main menu first) and shows the main
// menu; destroyWindows undoes it (tests create a fresh set for each case).
void createWindows();
void destroyWindows();

// The program's entry: returns when the main menu closes.
int ProgramMain(int argc, char** argv);

} // namespace veritabula
