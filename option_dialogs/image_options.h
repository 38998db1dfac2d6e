#pragma once
// The three image option values as the profile stores them under Settings:
// opacity, frame width and frame colour. Their names, stored forms and
// reading rules live here alone; the search dialog and the opacity and frame
// dialogs load and save them only through these functions. Defaults and
// ranges are the search tool's (common/search_contract.h).
#include <cstdint>

#include "common/search_contract.h"
#include "winlayer/profile.h"

// COLORREF form 0x00BBGGRR <-> RGB form 0x00RRGGBB: red and blue change
// places, the top byte is cleared. The swap is its own inverse.
constexpr uint32_t ColourRefToRgb(uint32_t c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

// The stored default, pure red, in COLORREF form.
constexpr uint32_t kFrameColourRefDefault = ColourRefToRgb(search_contract::kFrameColourDefault);

// A value that is missing, of the wrong type or size counts as its default.

// Read as a signed number and brought into the tool's range.
int32_t LoadOpacity(const Profile& profile);
void SaveOpacity(Profile& profile, int32_t opacity);

// The search dialog reads the width unsigned (0 -> 1, above 100 -> 100) ...
uint32_t LoadFrameWidthUnsigned(const Profile& profile);
// ... and the frame dialog signed (below 1 -> 1, above 100 -> 100).
int32_t LoadFrameWidthSigned(const Profile& profile);

// In COLORREF form; anything above white becomes white.
uint32_t LoadFrameColourRef(const Profile& profile);
// Writes the width, then the colour in COLORREF form.
void SaveFrame(Profile& profile, int32_t width, uint32_t colourRef);
