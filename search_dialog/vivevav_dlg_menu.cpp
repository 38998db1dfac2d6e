// Menu commands that open the option dialogs.
#include "search_dialog/vivevav_dlg.h"

void CVivevavDlg::OnPasswordSetting() {}
void CVivevavDlg::OnFrameSetting() {}
void CVivevavDlg::OnOpacitySetting() {}
void CVivevavDlg::OnAbout() {}
