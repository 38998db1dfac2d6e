#pragma once
// The three image option values: their ranges, the clamping of stored
// readings and the two forms of the frame colour.
#include <cstdint>

constexpr int32_t kOpacityMin = 2;
constexpr int32_t kOpacityMax = 10;
constexpr int32_t kFrameWidthMin = 1;
constexpr int32_t kFrameWidthMax = 100;
constexpr uint32_t kOpacityDefault = 10;
constexpr uint32_t kFrameWidthDefault = 1;
constexpr uint32_t kColourRefDefault = 0x0000FF;  // pure red in COLORREF form
constexpr uint32_t kColourMax = 0xFFFFFF;

// Stored opacity read as a signed number, brought into 2..10.
int32_t ClampOpacity(uint32_t stored);
// Stored frame width as the search dialog reads it: unsigned, 0 -> 1, above 100 -> 100.
uint32_t ClampFrameWidthUnsigned(uint32_t stored);
// Stored frame width as the frame dialog reads it: signed, below 1 -> 1, above 100 -> 100.
int32_t ClampFrameWidthSigned(uint32_t stored);
// Stored colour, unsigned: above 0xFFFFFF becomes white.
uint32_t ClampColour(uint32_t stored);

// COLORREF form 0x00BBGGRR <-> RGB form 0x00RRGGBB; the top byte is cleared.
uint32_t ColourRefToRgb(uint32_t colourRef);
uint32_t RgbToColourRef(uint32_t rgb);
