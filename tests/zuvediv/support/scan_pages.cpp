#include "support/scan_pages.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace zuvediv_test {
namespace {

constexpr int kDpi = 200;
constexpr double kScale = kDpi / 72.0;
constexpr double kWidth = 300, kHeight = 200, kMargin = 20, kLineStep = 26;
constexpr double kTiltDegrees = 0.6;

void show(cairo_t* cr, const std::string& text, bool vertical) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    if (vertical) {
        PangoContext* context = pango_layout_get_context(layout);
        pango_context_set_base_gravity(context, PANGO_GRAVITY_EAST);
        pango_context_set_gravity_hint(context, PANGO_GRAVITY_HINT_STRONG);
        cairo_rotate(cr, M_PI / 2);
        pango_cairo_update_layout(cr, layout);
    }
    PangoFontDescription* font = pango_font_description_from_string("IPAGothic 14");
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, text.c_str(), -1);
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(font);
    g_object_unref(layout);
}

void draw_text(cairo_t* cr, const ScanPage& page) {
    for (size_t i = 0; i < page.lines.size(); ++i) {
        cairo_save(cr);
        if (page.vertical) cairo_move_to(cr, kWidth - kMargin - i * kLineStep, kMargin);
        else cairo_move_to(cr, kMargin, kMargin + i * kLineStep);
        show(cr, page.lines[i], page.vertical);
        cairo_restore(cr);
    }
}

// Grain of the same pattern on every scan: tests see the same pixels each run.
void add_grain(cairo_surface_t* scan) {
    cairo_surface_flush(scan);
    unsigned char* data = cairo_image_surface_get_data(scan);
    const int stride = cairo_image_surface_get_stride(scan);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> grain(-20, 20);
    for (int y = 0; y < cairo_image_surface_get_height(scan); ++y) {
        for (int x = 0; x < cairo_image_surface_get_width(scan); ++x) {
            unsigned char* pixel = data + y * stride + x * 4;
            const int level = std::clamp(pixel[0] + grain(random), 0, 255);
            pixel[0] = pixel[1] = pixel[2] = static_cast<unsigned char>(level);
        }
    }
    cairo_surface_mark_dirty(scan);
}

// The sheet as the scanner saw it, in grey on slightly grey paper.
cairo_surface_t* scanned(const ScanPage& page, double& width, double& height) {
    const bool sideways = page.quarter_turns % 2 != 0;
    width = sideways ? kHeight : kWidth;
    height = sideways ? kWidth : kHeight;
    cairo_surface_t* scan = nullptr;
    cairo_t* cr = pdf_writer::start_sheet(scan, width, height, kScale, 0.93);
    cairo_translate(cr, width / 2, height / 2);
    cairo_rotate(cr, page.quarter_turns * M_PI / 2 + kTiltDegrees * M_PI / 180);
    cairo_translate(cr, -kWidth / 2, -kHeight / 2);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    draw_text(cr, page);
    cairo_destroy(cr);
    add_grain(scan);
    return scan;
}

void draw_stamps(cairo_t* cr, const ScanPage& page) {
    cairo_set_source_rgb(cr, 0, 0, 0);
    for (const pdf_writer::TextLine& stamp : page.stamps) {
        cairo_move_to(cr, stamp.x, stamp.y);
        show(cr, stamp.text, false);
    }
}

}  // namespace

void write_scan_pdf(const std::filesystem::path& path, const std::vector<ScanPage>& pages) {
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);
    for (const ScanPage& page : pages) {
        double width = 0, height = 0;
        cairo_surface_t* scan = scanned(page, width, height);
        cairo_pdf_surface_set_size(surface, width, height);
        pdf_writer::paint_sheet(cr, scan, kScale);
        draw_stamps(cr, page);
        cairo_show_page(cr);
    }
    pdf_writer::finish_pdf(cr, surface, path);
}

}  // namespace zuvediv_test
