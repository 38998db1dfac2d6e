// Starts a program and prints, in milliseconds, how long it took until a
// visible top-level window with the given title existed; then closes that
// window and waits for the program to end.
// usage: wait_visible PROGRAM TITLE
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now{}, frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND WaitForVisibleWindow(const wchar_t* title, HANDLE process) {
    for (;;) {
        HWND window = FindWindowW(nullptr, title);
        if (window && IsWindowVisible(window)) return window;
        if (WaitForSingleObject(process, 1) == WAIT_OBJECT_0) return nullptr;
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: wait_visible PROGRAM TITLE\n", stderr);
        return 2;
    }
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", argv[1], GetLastError());
        return 2;
    }
    HWND window = WaitForVisibleWindow(argv[2], process.hProcess);
    const double elapsed = MillisecondsSince(start);
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!window) {
        std::fprintf(stderr, "%ls ended without showing \"%ls\"\n", argv[1], argv[2]);
        return 1;
    }
    std::printf("%.1f\n", elapsed);
    return 0;
}
