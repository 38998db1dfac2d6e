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

// Single quotes for the shell; a quote inside becomes '\''.
std::string shell_quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
}  // namespace

void write_pdf(const std::filesystem::path& path, const std::vector<PageLines>& pages, double width, double height) {
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), width, height);
    cairo_t* cr = cairo_create(surface);
    for (const PageLines& page : pages) {
        for (const TextLine& line : page) draw_line(cr, line);
        cairo_show_page(cr);
    }
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cairo could not write " + path.string());
}

void run_qpdf(const std::vector<std::string>& args) {
    std::string command = "qpdf";
    for (const std::string& a : args) command += " " + shell_quote(a);
    const int status = std::system(command.c_str());
    if (status == -1 || !WIFEXITED(status) || (WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 3))
        throw std::runtime_error("qpdf failed: " + command);
}

}  // namespace pdf_writer
