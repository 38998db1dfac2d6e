#pragma once
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "support/message_box.h"
#include "support/program_under_test.h"

// Captions of the option dialogs and the About box.
inline const std::wstring kPasswordCaption = L"パスワード設定";
inline const std::wstring kFrameCaption = L"枠線設定";
inline const std::wstring kOpacityCaption = L"画像透明度";
inline const std::wstring kAboutCaption = L"バージョン情報 PDF Vivevav";

// One option dialog of the program under test, opened through its menu
// command (or any message that opens it) and driven by window messages.
class OptionDialog {
public:
    // Posts the command (if any) to the search dialog and waits for the dialog.
    OptionDialog(const ProgramUnderTest& program, const std::wstring& caption, int command = 0);

    HWND Window() const { return m_window; }
    HWND Item(int id) const { return GetDlgItem(m_window, id); }
    std::wstring Text(int id) const;
    void SetText(int id, const std::wstring& text) const;
    // As a click on the button does (IDOK, IDCANCEL), without waiting.
    void Press(int id) const;
    void PostKey(int id, WORD key) const;
    bool WaitClosed(DWORD milliseconds = 10000) const;
    bool IsOpen() const { return IsWindow(m_window) && IsWindowVisible(m_window); }
    RECT Rect() const;
    // The colour that the colour button shows (COLORREF form).
    COLORREF ButtonColour() const;
    // The colour button's open palette, waited for; 0 if it does not open.
    HWND WaitForPalette(DWORD milliseconds = 5000) const;
    // Waits until the program's thread has handled what was posted so far.
    void Settle() const;

private:
    const ProgramUnderTest& m_program;
    HWND m_window = nullptr;
};

// A message box that the program shows over an option dialog; its caption
// is the program's name.
ShownMessage WaitForProgramMessage(const ProgramUnderTest& program, DWORD milliseconds = 10000);

// Every value under the program's registry key, by "section\name".
using RegistrySnapshot = std::map<std::wstring, std::vector<uint8_t>>;
RegistrySnapshot SnapshotProgramRegistry();
// Whether any stored value holds this text (as UTF-16).
bool RegistryHoldsText(const RegistrySnapshot& snapshot, const std::wstring& text);

// The first selected and the end of the selection of an edit.
std::pair<int, int> EditSelection(HWND edit);

// A visible dialog box of the process that the given window owns, waited for.
HWND WaitForOwnedDialog(DWORD processId, HWND owner);
