#pragma once
// Draws a page as it is shown, smoothed, at a resolution and pixel format.
#include <cstdint>
#include <vector>

#include <poppler-image.h>

namespace poppler { class page; }

namespace zuvediv {

// Invalid when poppler cannot draw the page.
poppler::image render_page(const poppler::page& page, int dpi, poppler::image::format_enum format);

// The image's pixels with its rows packed, without poppler's row padding.
std::vector<uint8_t> packed_pixels(const poppler::image& image, int bytes_per_pixel);

}  // namespace zuvediv
