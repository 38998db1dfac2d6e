#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

// Our thin layer's data exchange for edit fields.

// Writes a number into a control in decimal.
void SetControlInt(HWND dialog, int id, int32_t value);

// Reads a control as an integer in minimum..maximum. On a bad entry it shows
// a message, puts the focus back on the control with its text selected and
// returns nothing; the caller keeps the dialog open and writes nothing.
std::optional<int32_t> ReadIntField(HWND dialog, int id, int32_t minimum, int32_t maximum);
