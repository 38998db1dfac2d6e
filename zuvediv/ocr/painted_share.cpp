#include "ocr/painted_share.h"

#include <poppler-image.h>
#include <poppler-page-renderer.h>

namespace zuvediv {
namespace {

// Coarse enough to cost little beyond decoding the page's images.
constexpr double kCoverDpi = 18;
// Paper of a colour no scan and no text holds: a pixel left exactly so
// was not painted. Its red and blue are equal, so byte order is no matter.
constexpr poppler::argb kBarePaper = 0xFFFF00FF;

}  // namespace

double painted_share(const poppler::page& page) {
    poppler::page_renderer renderer;  // without antialiasing: edges do not blend into the paper
    renderer.set_paper_color(kBarePaper);
    renderer.set_image_format(poppler::image::format_rgb24);
    const poppler::image drawn = renderer.render_page(&page, kCoverDpi, kCoverDpi);
    if (!drawn.is_valid() || drawn.width() <= 0 || drawn.height() <= 0) return 0;
    size_t bare = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        const unsigned char* pixel =
            reinterpret_cast<const unsigned char*>(drawn.const_data()) + static_cast<size_t>(y) * drawn.bytes_per_row();
        for (int x = 0; x < drawn.width(); ++x, pixel += 3) bare += pixel[0] == 0xFF && pixel[1] == 0 && pixel[2] == 0xFF;
    }
    return 1.0 - static_cast<double>(bare) / (static_cast<double>(drawn.width()) * drawn.height());
}

}  // namespace zuvediv
