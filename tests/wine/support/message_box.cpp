#include "support/message_box.h"

#include <vector>

#include "support/program_under_test.h"

namespace {
BOOL CALLBACK CollectStaticText(HWND child, LPARAM lp) {
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    if (lstrcmpiW(className, L"Static") != 0) return TRUE;
    wchar_t text[1024] = {};
    SendMessageW(child, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    if (text[0] != L'\0') *reinterpret_cast<std::wstring*>(lp) += text;
    return TRUE;
}
}  // namespace

ShownMessage WaitForMessageBox(DWORD processId, HWND except, DWORD milliseconds) {
    ShownMessage message;
    message.window = WaitForProcessWindow(processId, L"", milliseconds, except);
    if (!message.window) return message;
    wchar_t caption[256] = {};
    GetWindowTextW(message.window, caption, 256);
    message.caption = caption;
    EnumChildWindows(message.window, CollectStaticText, reinterpret_cast<LPARAM>(&message.text));
    return message;
}

void DismissMessageBox(const ShownMessage& message) {
    if (!message.window) return;
    PostMessageW(message.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    for (int i = 0; i < 100 && IsWindow(message.window); ++i) Sleep(20);
}
