#include "option_dialogs/waku_dlg.h"

#include "option_dialogs/image_options.h"
#include "resources/resource.h"
#include "winlayer/app_profile.h"
#include "winlayer/int_field_exchange.h"

namespace {
const wchar_t kPositionValue[] = L"RectangleDlgPos";
}  // namespace

// Only this dialog holds a colour button: its classes are registered on its
// first opening rather than at start-up.
CWakuDlg::CWakuDlg() : DialogBase(IDD_WAKU_DIALOG) { ColourButton::RegisterWindowClass(); }

BOOL CWakuDlg::OnInitDialog() {
    m_colourButton.Attach(Item(IDC_COLOUR_BUTTON));
    RestorePosition(kPositionValue, PlacementTest::FirstPlacement);
    m_frameWidth = LoadFrameWidthSigned(AppProfile());
    SetControlInt(m_hwnd, IDC_VALUE_EDIT, m_frameWidth);
    m_colourButton.EnableOtherButton(L"他の色...", true);
    m_frameColourRef = LoadFrameColourRef(AppProfile());
    m_colourButton.SetColor(m_frameColourRef);
    m_frameColourRgb = ColourRefToRgb(m_frameColourRef);
    return TRUE;  // the focus goes to the first tab stop, the set button
}

void CWakuDlg::OnOK() {
    const auto width = ReadIntField(m_hwnd, IDC_VALUE_EDIT, search_contract::kFrameWidthMin, search_contract::kFrameWidthMax);
    if (!width) return;  // stays open; nothing written
    m_frameWidth = *width;
    m_frameColourRef = m_colourButton.GetColor();
    SaveFrame(AppProfile(), m_frameWidth, m_frameColourRef);
    m_frameColourRgb = ColourRefToRgb(m_frameColourRef);
    DialogBase::OnOK();
}

void CWakuDlg::OnDestroy() { SavePosition(kPositionValue); }
