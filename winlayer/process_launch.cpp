#include "winlayer/process_launch.h"

#include <optional>
#include <vector>

#include "winlayer/app_services.h"

bool LaunchAndWait(HWND dialog, const std::wstring& commandLine, bool showWaitCursor) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    // CreateProcessW may write into its command line.
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process)) {
        ShowMessage(dialog, L"コマンドの実行失敗");
        return false;
    }
    {
        std::optional<WaitCursor> cursor;
        if (showWaitCursor) cursor.emplace();
        EnableWindow(dialog, FALSE);
        WaitForSingleObject(process.hProcess, INFINITE);
        EnableWindow(dialog, TRUE);
    }
    SetForegroundWindow(dialog);
    SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}
