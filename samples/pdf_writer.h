#pragma once
// Draws simple text PDFs with cairo and pango (IPA Gothic), and encrypts them
// with qpdf. Used to make the sample folder and the tool's test documents.
#include <cairo.h>

#include <filesystem>
#include <string>
#include <vector>

namespace pdf_writer {

struct TextLine {
    double x;  // points from the left
    double y;  // points from the top
    std::string text;
};

using PageLines = std::vector<TextLine>;

// A4 portrait unless told otherwise. Throws std::runtime_error on failure.
void write_pdf(const std::filesystem::path& path, const std::vector<PageLines>& pages, double width = 595,
               double height = 842);

// The same pages as a scanner gives them: each drawn into a grey image at
// dpi, and the page holding only that image, no text.
void write_scanned_pdf(const std::filesystem::path& path, const std::vector<PageLines>& pages, double width = 595,
                       double height = 842, int dpi = 200);

// For writers of their own pages: a sheet of paper in the grey given, to be
// drawn on in points at `scale` pixels a point; the sheet put onto the
// PDF's page, then freed; the PDF ended, throwing when cairo could not
// write it.
cairo_t* start_sheet(cairo_surface_t*& sheet, double width, double height, double scale, double paper);
void paint_sheet(cairo_t* cr, cairo_surface_t* sheet, double scale);
void finish_pdf(cairo_t* cr, cairo_surface_t* pdf, const std::filesystem::path& path);

// Single quotes for the shell; a quote inside becomes '\''.
std::string shell_quote(const std::string& text);

// Runs qpdf with the arguments; its exit status 3 (warnings only) counts as success.
void run_qpdf(const std::vector<std::string>& args);

}  // namespace pdf_writer
