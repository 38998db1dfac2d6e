#include "ocr/grey_page.h"


#include "documents/page_render.h"

namespace zuvediv {
namespace {

// Darker than this counts as drawn; paper noise and JPEG ringing stay lighter.
constexpr uint8_t kInkLevel = 160;

}  // namespace

GreyImage render_grey(const poppler::page& page, int dpi) {
    const poppler::image rendered = render_page(page, dpi, poppler::image::format_gray8);
    GreyImage image;
    if (!rendered.is_valid()) return image;
    image.width = rendered.width();
    image.height = rendered.height();
    image.bytes_per_row = image.width;
    image.pixels = packed_pixels(rendered, 1);
    return image;
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
