// Rendering a page against encoding and writing it (CPU time), per image format, with
// the tool's own writers. Usage: image_cost <out folder> <pdf>...
#include <ctime>
#include <cstdio>
#include <cstring>
#include <memory>
#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include "output/image_files.h"

// CPU time of this thread: the machine is shared, wall time is not fair.
double cpu_seconds() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

int main(int argc, char** argv) {
    poppler::set_debug_error_function([](const std::string&, void*) {}, nullptr);
    double render = 0, encode[3] = {0, 0, 0};
    int pages = 0;
    const zuvediv::ImageFormat formats[] = {zuvediv::ImageFormat::png, zuvediv::ImageFormat::jpeg,
                                            zuvediv::ImageFormat::tiff};
    for (int i = 2; i < argc; ++i) {
        std::unique_ptr<poppler::document> doc(poppler::document::load_from_file(argv[i]));
        if (!doc) continue;
        for (int p = 0; p < doc->pages(); ++p, ++pages) {
            std::unique_ptr<poppler::page> page(doc->create_page(p));
            const double t0 = cpu_seconds();
            poppler::page_renderer renderer;
            renderer.set_render_hint(poppler::page_renderer::antialiasing, true);
            renderer.set_render_hint(poppler::page_renderer::text_antialiasing, true);
            renderer.set_image_format(poppler::image::format_rgb24);
            poppler::image rendered = renderer.render_page(page.get(), 150, 150);
            zuvediv::RgbImage image;
            image.width = rendered.width();
            image.height = rendered.height();
            image.pixels.resize(static_cast<size_t>(image.width) * image.height * 3);
            for (int y = 0; y < image.height; ++y)
                std::memcpy(image.row(y), rendered.const_data() + static_cast<size_t>(y) * rendered.bytes_per_row(),
                            static_cast<size_t>(image.width) * 3);
            render += cpu_seconds() - t0;
            for (int f = 0; f < 3; ++f) {
                const double t1 = cpu_seconds();
                const std::string path = std::string(argv[1]) + "/page." + zuvediv::file_extension(formats[f]);
                zuvediv::write_image(image, formats[f], path, 150);
                encode[f] += cpu_seconds() - t1;
            }
        }
    }
    std::printf("pages %d render %.3f s png %.3f s (%.2f) jpeg %.3f s (%.2f) tiff %.3f s (%.2f)\n", pages, render,
                encode[0], encode[0] / render, encode[1], encode[1] / render, encode[2], encode[2] / render);
}
