// Stands in for the search tool in tests: appends its raw command line and
// its parsed arguments to the file named by VIVEVAV_RECORD, UTF-16LE, each
// ended by a unit separator, the record by a record separator. If
// VIVEVAV_HOLD names an event, waits until it is set.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    wchar_t recordPath[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"VIVEVAV_RECORD", recordPath, MAX_PATH) == 0) return 3;
    std::wstring record = std::wstring(GetCommandLineW()) + L'\x1f';
    for (int i = 1; i < argc; ++i) record += std::wstring(argv[i]) + L'\x1f';
    record += L'\x1e';
    const HANDLE file = CreateFileW(recordPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 4;
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);

    wchar_t holdName[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"VIVEVAV_HOLD", holdName, MAX_PATH) != 0) {
        const HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, holdName);
        if (release) WaitForSingleObject(release, 30000);
    }
    return 0;
}
