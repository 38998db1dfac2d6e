// Helper of make_pictures.sh: waits for the search dialog, types the search
// string into it and, when asked, presses its Search button, all by window
// messages from outside, as a user would see it happen.
// usage: fill_search_dialog.exe SEARCH_STRING [search]
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "resources/resource.h"

namespace {

HWND WaitForDialog() {
    for (int tries = 0; tries < 300; ++tries) {
        HWND dialog = FindWindowW(nullptr, L"PDF Vivevav");
        if (dialog && IsWindowVisible(dialog)) return dialog;
        Sleep(100);
    }
    return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::wcscmp(argv[2], L"search") != 0)) {
        std::fputs("usage: fill_search_dialog SEARCH_STRING [search]\n", stderr);
        return 2;
    }
    HWND dialog = WaitForDialog();
    if (!dialog) {
        std::fputs("the search dialog did not appear\n", stderr);
        return 1;
    }
    SendMessageW(GetDlgItem(dialog, IDC_SEARCH_STRING), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[1]));
    // Posted: the dialog waits for the search to end before it answers.
    if (argc == 3) PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_SEARCH, BN_CLICKED), 0);
    return 0;
}
