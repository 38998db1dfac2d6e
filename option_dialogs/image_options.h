#pragma once
// The three image option values as the profile stores them under Settings:
// opacity, frame width and frame colour. Their names, defaults, ranges and
// clamping live here alone; the search dialog and the opacity and frame
// dialogs load and save them only through these functions.
#include <cstdint>

#include "winlayer/profile.h"

constexpr int32_t kOpacityMin = 2;
constexpr int32_t kOpacityMax = 10;  // opaque: the search run passes no -a
constexpr int32_t kFrameWidthMin = 1;
constexpr int32_t kFrameWidthMax = 100;

// A value that is missing, of the wrong type or size counts as its default:
// opacity 10, width 1, pure red.

// Read as a signed number and brought into 2..10.
int32_t LoadOpacity(const Profile& profile);
void SaveOpacity(Profile& profile, int32_t opacity);

// The search dialog reads the width unsigned (0 -> 1, above 100 -> 100) ...
uint32_t LoadFrameWidthUnsigned(const Profile& profile);
// ... and the frame dialog signed (below 1 -> 1, above 100 -> 100).
int32_t LoadFrameWidthSigned(const Profile& profile);

// In COLORREF form 0x00BBGGRR; anything above white becomes white.
uint32_t LoadFrameColourRef(const Profile& profile);
// Writes the width, then the colour in COLORREF form.
void SaveFrame(Profile& profile, int32_t width, uint32_t colourRef);

// COLORREF form 0x00BBGGRR -> RGB form 0x00RRGGBB; the top byte is cleared.
uint32_t ColourRefToRgb(uint32_t colourRef);
