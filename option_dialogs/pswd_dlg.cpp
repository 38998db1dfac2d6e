#include "option_dialogs/pswd_dlg.h"

#include "resources/resource.h"

namespace {
const wchar_t kPositionValue[] = L"PswdDlgPos";
}

CPswdDlg::CPswdDlg() : DialogBase(IDD_PSWD_DIALOG) {}

BOOL CPswdDlg::OnInitDialog() {
    RestorePosition(kPositionValue, PlacementTest::FirstPlacement);
    SetDlgItemTextW(m_hwnd, IDC_PASSWORD_EDIT, m_password.c_str());
    return TRUE;  // the focus goes to the first tab stop, OK
}

void CPswdDlg::OnOK() {
    // Taken as typed: no trimming, empty allowed.
    m_password = Text(IDC_PASSWORD_EDIT);
    DialogBase::OnOK();
}

void CPswdDlg::OnDestroy() { SavePosition(kPositionValue); }
