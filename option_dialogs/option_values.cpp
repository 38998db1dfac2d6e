#include "option_dialogs/option_values.h"

int32_t ClampOpacity(uint32_t stored) {
    const auto value = static_cast<int32_t>(stored);
    if (value < kOpacityMin) return kOpacityMin;
    if (value > kOpacityMax) return kOpacityMax;
    return value;
}

uint32_t ClampFrameWidthUnsigned(uint32_t stored) {
    if (stored == 0) return kFrameWidthMin;
    if (stored > static_cast<uint32_t>(kFrameWidthMax)) return kFrameWidthMax;
    return stored;
}

int32_t ClampFrameWidthSigned(uint32_t stored) {
    const auto value = static_cast<int32_t>(stored);
    if (value < kFrameWidthMin) return kFrameWidthMin;
    if (value > kFrameWidthMax) return kFrameWidthMax;
    return value;
}

uint32_t ClampColour(uint32_t stored) { return stored > kColourMax ? kColourMax : stored; }

uint32_t ColourRefToRgb(uint32_t c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

// Swapping red and blue is its own inverse.
uint32_t RgbToColourRef(uint32_t rgb) { return ColourRefToRgb(rgb); }
