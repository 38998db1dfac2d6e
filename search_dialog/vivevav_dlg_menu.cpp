// Menu commands that open the option dialogs. Each dialog is made afresh
// with no parent of its own; the search dialog owns it for the one modal run
// so that it stays disabled meanwhile, and values come back only on OK.
#include "search_dialog/vivevav_dlg.h"

#include "option_dialogs/about_dlg.h"
#include "option_dialogs/alpha_dlg.h"
#include "option_dialogs/pswd_dlg.h"
#include "option_dialogs/waku_dlg.h"

void CVivevavDlg::OnPasswordSetting() {
    const std::wstring current = m_password;
    CPswdDlg dialog;
    dialog.m_password = current;
    if (dialog.DoModal(m_hwnd) == IDOK) m_password = dialog.m_password;
}

void CVivevavDlg::OnFrameSetting() {
    CWakuDlg dialog;  // starts from the stored values, not from ours
    if (dialog.DoModal(m_hwnd) == IDOK) {
        m_frameWidth = static_cast<uint32_t>(dialog.m_frameWidth);
        m_frameColour = dialog.m_frameColourRgb;
    }
}

void CVivevavDlg::OnOpacitySetting() {
    CAlphaDlg dialog;  // starts from the stored value, not from ours
    if (dialog.DoModal(m_hwnd) == IDOK) m_opacity = dialog.m_opacity;
}

void CVivevavDlg::OnAbout() {
    CAboutDlg dialog;
    dialog.DoModal(m_hwnd);
}
