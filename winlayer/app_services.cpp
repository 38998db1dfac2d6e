#include "winlayer/app_services.h"

#include "winlayer/path_elements.h"

std::wstring ApplicationName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring result = LastElement(path);
    const auto dot = result.rfind(L'.');
    if (dot != std::wstring::npos) result.resize(dot);
    return result;
}

std::wstring ProgramDirectory() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return RemoveLastElement(path);
}

void ShowMessage(HWND owner, const std::wstring& text) {
    const std::wstring caption = ApplicationName();
    MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}
