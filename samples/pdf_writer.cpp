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
}  // namespace

cairo_t* start_sheet(cairo_surface_t*& sheet, double width, double height, double scale, double paper) {
    sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(width * scale), static_cast<int>(height * scale));
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, paper, paper, paper);
    cairo_paint(cr);
    cairo_scale(cr, scale, scale);
    return cr;
}

void paint_sheet(cairo_t* cr, cairo_surface_t* sheet, double scale) {
    cairo_save(cr);
    cairo_scale(cr, 1 / scale, 1 / scale);
    cairo_set_source_surface(cr, sheet, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(sheet);
}

void finish_pdf(cairo_t* cr, cairo_surface_t* pdf, const std::filesystem::path& path) {
    cairo_destroy(cr);
    cairo_surface_finish(pdf);
    const cairo_status_t status = cairo_surface_status(pdf);
    cairo_surface_destroy(pdf);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cairo could not write " + path.string());
}

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
    finish_pdf(cr, surface, path);
}

void write_scanned_pdf(const std::filesystem::path& path, const std::vector<PageLines>& pages, double width,
                       double height, int dpi) {
    const double scale = dpi / 72.0;
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), width, height);
    cairo_t* cr = cairo_create(surface);
    for (const PageLines& page : pages) {
        cairo_surface_t* scan = nullptr;
        cairo_t* scan_cr = start_sheet(scan, width, height, scale, 1);
        cairo_set_source_rgb(scan_cr, 0, 0, 0);
        for (const TextLine& line : page) draw_line(scan_cr, line);
        cairo_destroy(scan_cr);
        paint_sheet(cr, scan, scale);
        cairo_show_page(cr);
    }
    finish_pdf(cr, surface, path);
}

void run_qpdf(const std::vector<std::string>& args) {
    std::string command = "qpdf";
    for (const std::string& a : args) command += " " + shell_quote(a);
    const int status = std::system(command.c_str());
    if (status == -1 || !WIFEXITED(status) || (WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 3))
        throw std::runtime_error("qpdf failed: " + command);
}

}  // namespace pdf_writer
