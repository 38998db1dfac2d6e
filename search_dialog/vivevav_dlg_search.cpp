// The search run and the command-line help.
#include "search_dialog/vivevav_dlg.h"

void CVivevavDlg::OnSearch() {}
void CVivevavDlg::OnCommandLineHelp() {}
