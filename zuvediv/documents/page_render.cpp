#include "documents/page_render.h"

#include <cstring>

#include <poppler-page-renderer.h>

namespace zuvediv {

poppler::image render_page(const poppler::page& page, int dpi, poppler::image::format_enum format) {
    poppler::page_renderer renderer;
    renderer.set_render_hint(poppler::page_renderer::antialiasing, true);
    renderer.set_render_hint(poppler::page_renderer::text_antialiasing, true);
    renderer.set_image_format(format);
    return renderer.render_page(&page, dpi, dpi);
}

std::vector<uint8_t> packed_pixels(const poppler::image& image, int bytes_per_pixel) {
    const size_t row_bytes = static_cast<size_t>(image.width()) * bytes_per_pixel;
    std::vector<uint8_t> pixels(row_bytes * image.height());
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(pixels.data() + y * row_bytes, image.const_data() + static_cast<size_t>(y) * image.bytes_per_row(), row_bytes);
    return pixels;
}

}  // namespace zuvediv
