#include "option_dialogs/alpha_dlg.h"

#include "option_dialogs/image_options.h"
#include "resources/resource.h"
#include "winlayer/app_profile.h"
#include "winlayer/int_field_exchange.h"

namespace {
const wchar_t kPositionValue[] = L"AlphaDlgPos";
}  // namespace

CAlphaDlg::CAlphaDlg() : DialogBase(IDD_ALPHA_DIALOG) {}

BOOL CAlphaDlg::OnInitDialog() {
    RestorePosition(kPositionValue, PlacementTest::FirstPlacement);
    m_opacity = LoadOpacity(AppProfile());
    SetControlInt(m_hwnd, IDC_VALUE_EDIT, m_opacity);
    return TRUE;  // the focus goes to the first tab stop, the set button
}

void CAlphaDlg::OnOK() {
    const auto opacity = ReadIntField(m_hwnd, IDC_VALUE_EDIT, search_contract::kOpacityMin, search_contract::kOpacityMax);
    if (!opacity) return;  // stays open; nothing written
    m_opacity = *opacity;
    SaveOpacity(AppProfile(), m_opacity);
    DialogBase::OnOK();
}

void CAlphaDlg::OnDestroy() { SavePosition(kPositionValue); }
