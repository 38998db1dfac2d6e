#pragma once
// Draws the frames around hits onto a rendered page.
#include <cstdint>
#include <vector>

#include "common/search_contract.h"
#include "text/page_text.h"

namespace zuvediv {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // R, G, B; rows packed without padding

    uint8_t* row(int y) { return pixels.data() + static_cast<size_t>(y) * width * 3; }
    const uint8_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * width * 3; }
};

struct FrameStyle {
    uint32_t colour = search_contract::kFrameColourDefault;  // 0xRRGGBB
    int opacity_tenths = search_contract::kOpacityDefault;   // 10 = opaque
    int line_width = search_contract::kFrameWidthDefault;    // pixels
};

// Gap in pixels between the hit's box and the inside of its frame, so the
// frame does not cover the glyphs.
constexpr int kFrameGap = 1;

// Boxes are in pixels. Overlapping frames are blended once, so the opacity
// is the same everywhere a frame is.
void draw_frames(RgbImage& image, const std::vector<Box>& boxes, const FrameStyle& style);

}  // namespace zuvediv
