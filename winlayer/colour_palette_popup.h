#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The drop-down palette of a colour button: a popup below the button that
// closes on a pick, on Esc or when it loses activation. It reports a pick to
// the button with kPalettePicked.
constexpr UINT kPalettePicked = WM_APP + 0x31;  // wParam: 1 = colour (lParam COLORREF), 2 = other colours
constexpr UINT kPaletteClosed = WM_APP + 0x32;  // sent to the button as the palette goes
constexpr WPARAM kPickedColour = 1;
constexpr WPARAM kPickedOther = 2;

struct PaletteOptions {
    std::vector<COLORREF> colours;
    int columns = 5;
    bool hasOther = true;
    std::wstring otherLabel;
    COLORREF current = 0;
};

void RegisterPaletteClass();
// Creates and shows the palette; returns its window.
HWND OpenPalette(HWND button, const PaletteOptions& options);
