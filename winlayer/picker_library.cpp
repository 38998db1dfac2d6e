#include "winlayer/picker_library.h"

namespace {

template <typename Function>
Function* LateBound(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (!module) module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Loaded for the rest of the process, like an import.
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace

BOOL OpenFilePicker(OPENFILENAMEW& dialog) {
    static const auto open = LateBound<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    return open ? open(&dialog) : FALSE;
}

BOOL ColourPicker(CHOOSECOLORW& dialog) {
    static const auto choose = LateBound<decltype(ChooseColorW)>(L"comdlg32.dll", "ChooseColorW");
    return choose ? choose(&dialog) : FALSE;
}

std::wstring FolderPicker(BROWSEINFOW& dialog) {
    static const auto browse = LateBound<decltype(SHBrowseForFolderW)>(L"shell32.dll", "SHBrowseForFolderW");
    static const auto toPath = LateBound<decltype(SHGetPathFromIDListW)>(L"shell32.dll", "SHGetPathFromIDListW");
    static const auto release = LateBound<decltype(CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree");
    if (!browse || !toPath || !release) return {};
    PIDLIST_ABSOLUTE item = browse(&dialog);
    if (!item) return {};
    wchar_t chosen[MAX_PATH] = {};
    const BOOL isPath = toPath(item, chosen);
    release(item);
    return isPath ? chosen : std::wstring();  // not a file-system folder
}

HRESULT EnterComApartment(DWORD flags) {
    static const auto enter = LateBound<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    return enter ? enter(nullptr, flags) : E_FAIL;
}

void LeaveComApartment() {
    static const auto leave = LateBound<decltype(CoUninitialize)>(L"ole32.dll", "CoUninitialize");
    if (leave) leave();
}
