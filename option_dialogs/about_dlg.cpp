#include "option_dialogs/about_dlg.h"

#include "resources/resource.h"

CAboutDlg::CAboutDlg() : DialogBase(IDD_ABOUTBOX) {}
