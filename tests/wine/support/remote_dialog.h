#pragma once
#include <windows.h>

#include <string>

// A visible top-level window of the process with this caption (any caption
// if empty) other than `except`; none if there is none. The Wait form waits
// for one to come.
HWND FindProcessWindow(DWORD processId, const std::wstring& caption = L"", HWND except = nullptr);
HWND WaitForProcessWindow(DWORD processId, const std::wstring& caption, HWND except = nullptr);

// The text of a window of another process.
std::wstring WindowTextOf(HWND window);

// A dialog of the program under test, driven from here by window messages.
class RemoteDialog {
public:
    RemoteDialog() = default;
    explicit RemoteDialog(HWND window) : m_window(window) {}

    HWND Window() const { return m_window; }
    HWND Item(int id) const { return GetDlgItem(m_window, id); }
    std::wstring Text(int id) const { return WindowTextOf(Item(id)); }
    void SetText(int id, const std::wstring& text) const {
        SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    bool IsChecked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool IsEnabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool IsEnabled() const { return IsWindowEnabled(m_window) != FALSE; }
    int ComboSelection(int id) const { return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0)); }
    // An edit control's selection as MAKELONG(start, end).
    DWORD EditSelection(int id) const { return static_cast<DWORD>(SendMessageW(Item(id), EM_GETSEL, 0, 0)); }
    // A click that is handled before this returns.
    void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    // A click posted, for buttons that open something modal or end the dialog.
    void Press(int id) const {
        PostMessageW(m_window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
    }
    // A key pressed while the control has the focus.
    void PostKey(int id, WORD key) const;
    void PostCommand(int id) const { PostMessageW(m_window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    void PostCloseBox() const { PostMessageW(m_window, WM_SYSCOMMAND, SC_CLOSE, 0); }
    RECT Rect() const;
    // The control that has the focus, once the dialog's thread has one.
    HWND Focus() const;
    // Waits until the dialog's thread has handled everything sent so far.
    void Settle() const;
    bool WaitClosed() const;

protected:
    HWND m_window = nullptr;
};
