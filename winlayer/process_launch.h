#pragma once
#include <windows.h>

#include <string>

// Runs a command line through CreateProcessW and keeps the dialog disabled
// until that process ends; then brings the dialog back to the top. Shows the
// failure message when the process cannot be started and returns false.
bool LaunchAndWait(HWND dialog, const std::wstring& commandLine, bool showWaitCursor);
