#pragma once
#include <windows.h>

#include <string>

// A push button that shows a colour and drops down a palette to pick another
// (window class "MfcColorButton", named by dialog templates). The palette has
// no automatic entry; an optional "other colours" button opens the system
// colour chooser. Picking a colour sends WM_COMMAND BN_CLICKED to the parent.
//
// Messages the control answers (also from other processes, e.g. tests):
constexpr UINT CBM_SETCOLOUR = WM_USER + 0x0C0;    // wParam: COLORREF
constexpr UINT CBM_GETCOLOUR = WM_USER + 0x0C1;    // returns the COLORREF shown
constexpr UINT CBM_GETPALETTE = WM_USER + 0x0C2;   // returns the open palette window, or 0
constexpr UINT CBM_ENABLEOTHER = WM_USER + 0x0C3;  // wParam: BOOL; lParam: label (const wchar_t*, may be 0)
// Template initialisation data keys: "MFCColorButton_EnableOtherButton",
// "MFCColorButton_EnableAutomaticButton" (only FALSE is offered),
// "MFCColorButton_ColumnsCount".

// A thin handle on one such control of a dialog.
class ColourButton {
public:
    static void RegisterWindowClass();

    void Attach(HWND button) { m_hwnd = button; }

    void SetColor(COLORREF colour) const { SendMessageW(m_hwnd, CBM_SETCOLOUR, colour, 0); }
    COLORREF GetColor() const { return static_cast<COLORREF>(SendMessageW(m_hwnd, CBM_GETCOLOUR, 0, 0)); }
    void EnableOtherButton(const std::wstring& label, bool enable = true) const {
        SendMessageW(m_hwnd, CBM_ENABLEOTHER, enable ? TRUE : FALSE, reinterpret_cast<LPARAM>(label.c_str()));
    }

private:
    HWND m_hwnd = nullptr;
};
