#include "support/remote_dialog.h"

#include "support/wait_until.h"

HWND FindProcessWindow(DWORD processId, const std::wstring& caption, HWND except) {
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && window != except && IsWindowVisible(window) &&
            (caption.empty() || WindowTextOf(window) == caption))
            return window;
    }
    return nullptr;
}

HWND WaitForProcessWindow(DWORD processId, const std::wstring& caption, HWND except) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindProcessWindow(processId, caption, except)) != nullptr; });
    return found;
}

std::wstring WindowTextOf(HWND window) {
    wchar_t buffer[4096] = {};
    SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

void RemoteDialog::PostKey(int id, WORD key) const {
    PostMessageW(Item(id), WM_KEYDOWN, key, 1);
    PostMessageW(Item(id), WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
}

RECT RemoteDialog::Rect() const {
    RECT rect{};
    GetWindowRect(m_window, &rect);
    return rect;
}

HWND RemoteDialog::Focus() const {
    // While activation moves between windows (a message box just closed) the
    // thread briefly has no focus.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(m_window, nullptr);
    WaitUntil([&] { return GetGUIThreadInfo(thread, &info) && info.hwndFocus; }, 2000);
    return info.hwndFocus;
}

void RemoteDialog::Settle() const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(m_window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
}

bool RemoteDialog::WaitClosed() const { return WaitUntil([&] { return !IsWindow(m_window); }); }
