#include "pdf_writer.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>
#include <sys/wait.h>

#include <cstdlib>
#include <stdexcept>

namespace pdf_writer {
namespace {
void draw_line(cairo_t* cr, const TextLine& line) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("IPAGothic 14");
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, line.text.c_str(), -1);
    cairo_move_to(cr, line.x, line.y);
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(font);
    g_object_unref(layout);
}

void finish(cairo_t* cr, cairo_surface_t* surface, const std::filesystem::path& path) {
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cairo could not write " + path.string());
}
}  // namespace

std::string shell_quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

void write_pdf(const std::filesystem::path& path, const std::vector<PageLines>& pages, double width, double height) {
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), width, height);
    cairo_t* cr = cairo_create(surface);
    for (const PageLines& page : pages) {
        for (const TextLine& line : page) draw_line(cr, line);
        cairo_show_page(cr);
    }
    finish(cr, surface, path);
}

void write_scanned_pdf(const std::filesystem::path& path, const std::vector<PageLines>& pages, double width,
                       double height, int dpi) {
    const double scale = dpi / 72.0;
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), width, height);
    cairo_t* cr = cairo_create(surface);
    for (const PageLines& page : pages) {
        cairo_surface_t* scan = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(width * scale),
                                                           static_cast<int>(height * scale));
        cairo_t* scan_cr = cairo_create(scan);
        cairo_set_source_rgb(scan_cr, 1, 1, 1);
        cairo_paint(scan_cr);
        cairo_scale(scan_cr, scale, scale);
        cairo_set_source_rgb(scan_cr, 0, 0, 0);
        for (const TextLine& line : page) draw_line(scan_cr, line);
        cairo_destroy(scan_cr);
        cairo_save(cr);
        cairo_scale(cr, 1 / scale, 1 / scale);
        cairo_set_source_surface(cr, scan, 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(scan);
        cairo_show_page(cr);
    }
    finish(cr, surface, path);
}

void run_qpdf(const std::vector<std::string>& args) {
    std::string command = "qpdf";
    for (const std::string& a : args) command += " " + shell_quote(a);
    const int status = std::system(command.c_str());
    if (status == -1 || !WIFEXITED(status) || (WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 3))
        throw std::runtime_error("qpdf failed: " + command);
}

}  // namespace pdf_writer
