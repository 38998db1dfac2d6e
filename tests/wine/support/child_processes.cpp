#include "support/child_processes.h"

#include <tlhelp32.h>

std::vector<ChildProcess> ChildProcesses(DWORD parentId) {
    std::vector<ChildProcess> children;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return children;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (entry.th32ParentProcessID == parentId) children.push_back({entry.th32ProcessID, entry.szExeFile});
    CloseHandle(snapshot);
    return children;
}

DWORD WaitForChild(DWORD parentId, const std::wstring& exe, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    do {
        for (const ChildProcess& child : ChildProcesses(parentId))
            if (lstrcmpiW(child.exe.c_str(), exe.c_str()) == 0) return child.id;
        Sleep(50);
    } while (GetTickCount64() < deadline);
    return 0;
}

void TerminateProcessById(DWORD id) {
    const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (!process) return;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
}
