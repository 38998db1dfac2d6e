#pragma once
#include <windows.h>

#include <string>

// The executable's file name without its extension; the profile and the
// message boxes use it as the application name.
std::wstring ApplicationName();

// The directory of the running executable, without a trailing backslash
// except at a drive root.
std::wstring ProgramDirectory();

// One OK message box with the application name as caption.
void ShowMessage(HWND owner, const std::wstring& text);

// Shows the hourglass for as long as the object lives.
class WaitCursor {
public:
    WaitCursor() : m_previous(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(m_previous); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR m_previous;
};
