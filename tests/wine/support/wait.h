#pragma once
#include <windows.h>

// Polls the condition until it holds or the time is up; whether it held.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD milliseconds = 15000) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > deadline) return false;
        Sleep(20);
    }
    return true;
}
