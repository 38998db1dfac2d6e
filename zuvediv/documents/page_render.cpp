#include "documents/page_render.h"

#include <poppler-page-renderer.h>

namespace zuvediv {

poppler::image render_page(const poppler::page& page, int dpi, poppler::image::format_enum format) {
    poppler::page_renderer renderer;
    renderer.set_render_hint(poppler::page_renderer::antialiasing, true);
    renderer.set_render_hint(poppler::page_renderer::text_antialiasing, true);
    renderer.set_image_format(format);
    return renderer.render_page(&page, dpi, dpi);
}

}  // namespace zuvediv
