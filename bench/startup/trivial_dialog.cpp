// The yardstick for start-up: a program that shows one dialog from its
// resources and does nothing else.
#include <windows.h>

namespace {

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM) {
    if (msg == WM_INITDIALOG) return TRUE;
    if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        EndDialog(hwnd, LOWORD(wp));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    DialogBoxParamW(instance, MAKEINTRESOURCEW(1), nullptr, DialogProc, 0);
    return 0;
}
