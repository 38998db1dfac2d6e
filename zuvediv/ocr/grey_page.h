#pragma once
// A page drawn in grey for the recogniser, and whether anything is drawn on
// it at all: a page without text that is white everywhere is not read.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "text/page_text.h"

namespace poppler { class page; }

namespace zuvediv {

struct GreyImage {
    int width = 0, height = 0;
    int bytes_per_row = 0;
    std::vector<uint8_t> pixels;
    const uint8_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * bytes_per_row; }
};

// Empty (width 0) when poppler cannot draw the page.
GreyImage render_grey(const poppler::page& page, int dpi);
bool has_ink(const GreyImage& image);
// Paints paper over the pixels within box.
void paint_paper(GreyImage& image, const Box& box);

}  // namespace zuvediv
