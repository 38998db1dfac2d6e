#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Processes whose parent is the given process, with their executable names.
struct ChildProcess {
    DWORD id = 0;
    std::wstring exe;
};
std::vector<ChildProcess> ChildProcesses(DWORD parentId);
// Waits for a child with this executable name (case-insensitive); 0 if none came.
DWORD WaitForChild(DWORD parentId, const std::wstring& exe, DWORD milliseconds);
void TerminateProcessById(DWORD id);
