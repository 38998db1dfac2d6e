#pragma once
#include <windows.h>

#include <string>

// A message box shown by the program under test.
struct ShownMessage {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
};

// Waits for a message box of the process other than the given dialog and reads it.
ShownMessage WaitForMessageBox(DWORD processId, HWND except, DWORD milliseconds = 10000);
// Presses its OK button and waits until it has gone.
void DismissMessageBox(const ShownMessage& message);
