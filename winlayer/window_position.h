#pragma once
#include <windows.h>

// Which on-screen test decides whether a stored corner is used.
enum class PlacementTest {
    WholeWindow,     // the search dialog
    FirstPlacement,  // the option dialogs
};

// Moves the dialog to its stored top-left corner when that passes the test.
void RestoreWindowPosition(HWND dialog, const wchar_t* valueName, PlacementTest test);
// Stores the dialog's top-left corner as an 8-byte record.
void SaveWindowPosition(HWND dialog, const wchar_t* valueName);
