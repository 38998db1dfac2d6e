#pragma once
// Draws a page as it is shown, smoothed, at a resolution and pixel format.
#include <cstdint>
#include <vector>

#include <poppler-image.h>

namespace poppler { class page; }

namespace zuvediv {

// The page's pixels with its rows packed, without poppler's row padding.
struct DrawnPage {
    int width = 0;  // 0 when poppler cannot draw the page
    int height = 0;
    std::vector<uint8_t> pixels;
};

// format_rgb24 gives 3 bytes a pixel, format_gray8 one.
DrawnPage draw_page(const poppler::page& page, int dpi, poppler::image::format_enum format);

}  // namespace zuvediv
