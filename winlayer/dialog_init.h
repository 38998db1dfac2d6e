#pragma once
// Initialisation data that a dialog template carries for its controls: a
// resource of type 240 with the template's ID, holding for each control its
// ID, a message, a byte count and that many bytes of "<Key>value</Key>" text.
// The dialog base sends each entry to its control before OnInitDialog.
#include <windows.h>

#include <cstddef>
#include <string>

constexpr unsigned kDialogInitMessage = 0x037C;
constexpr unsigned kDialogInitResourceType = 240;

// The value of <key>...</key> in the entry's bytes, or empty.
std::wstring DialogInitProperty(const char* data, std::size_t size, const std::wstring& key);

// Sends the template's initialisation entries to its controls.
void ApplyDialogInitData(HWND dialog, UINT templateId);
