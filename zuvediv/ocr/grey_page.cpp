#include "ocr/grey_page.h"

#include <algorithm>
#include <cmath>

#include "pdf/page_render.h"

namespace zuvediv {
namespace {

// Darker than this counts as drawn; paper noise and JPEG ringing stay lighter.
constexpr uint8_t kInkLevel = 160;

}  // namespace

GreyImage render_grey(const poppler::page& page, int dpi) {
    DrawnPage drawn = draw_page(page, dpi, poppler::image::format_gray8);
    return {drawn.width, drawn.height, drawn.width, std::move(drawn.pixels)};
}

void paint_paper(GreyImage& image, const Box& box) {
    const int x0 = std::clamp(static_cast<int>(std::floor(box.x0)), 0, image.width);
    const int x1 = std::clamp(static_cast<int>(std::ceil(box.x1)), 0, image.width);
    const int y0 = std::clamp(static_cast<int>(std::floor(box.y0)), 0, image.height);
    const int y1 = std::clamp(static_cast<int>(std::ceil(box.y1)), 0, image.height);
    for (int y = y0; y < y1 && x0 < x1; ++y)
        std::fill_n(image.pixels.data() + static_cast<size_t>(y) * image.bytes_per_row + x0, x1 - x0, uint8_t{255});
}

bool has_ink(const GreyImage& image) {
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* row = image.row(y);
        for (int x = 0; x < image.width; ++x) {
            if (row[x] < kInkLevel) return true;
        }
    }
    return false;
}

}  // namespace zuvediv
