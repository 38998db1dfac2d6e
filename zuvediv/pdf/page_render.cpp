#include "pdf/page_render.h"

#include <cstring>

#include <poppler-page-renderer.h>

namespace zuvediv {
namespace {

poppler::image render_page(const poppler::page& page, int dpi, poppler::image::format_enum format) {
    poppler::page_renderer renderer;
    renderer.set_render_hint(poppler::page_renderer::antialiasing, true);
    renderer.set_render_hint(poppler::page_renderer::text_antialiasing, true);
    renderer.set_image_format(format);
    return renderer.render_page(&page, dpi, dpi);
}

}  // namespace

DrawnPage draw_page(const poppler::page& page, int dpi, poppler::image::format_enum format) {
    const poppler::image image = render_page(page, dpi, format);
    DrawnPage drawn;
    if (!image.is_valid()) return drawn;
    const int bytes_per_pixel = format == poppler::image::format_gray8 ? 1 : 3;
    const size_t row_bytes = static_cast<size_t>(image.width()) * bytes_per_pixel;
    drawn.width = image.width();
    drawn.height = image.height();
    drawn.pixels.resize(row_bytes * image.height());
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(drawn.pixels.data() + y * row_bytes, image.const_data() + static_cast<size_t>(y) * image.bytes_per_row(),
                    row_bytes);
    return drawn;
}

}  // namespace zuvediv
