#pragma once
// Draws a page as it is shown, smoothed, at a resolution and pixel format.
#include <poppler-image.h>

namespace poppler { class page; }

namespace zuvediv {

// Invalid when poppler cannot draw the page.
poppler::image render_page(const poppler::page& page, int dpi, poppler::image::format_enum format);

}  // namespace zuvediv
