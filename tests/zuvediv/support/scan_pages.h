#pragma once
// Scans the tests make themselves: lines of text in IPA Gothic drawn into a
// grey image at 200 dpi as a scanner gives it, grainy, the sheet slightly askew and
// turned by quarter turns, or the text set vertically (縦書き); each image
// is one page of a PDF without text, unless stamps put a line of real text
// on top of it.
#include <filesystem>
#include <string>
#include <vector>

#include "pdf_writer.h"

namespace zuvediv_test {

struct ScanPage {
    std::vector<std::string> lines;  // top to bottom; set vertically, right to left
    int quarter_turns = 0;           // how the sheet lay on the scanner, clockwise
    bool vertical = false;
    std::vector<pdf_writer::TextLine> stamps;  // text drawn as text, in points of the page as shown
};

// Each page 300 × 200 points before it is turned, the text in 14 point type
// from 20 points in, lines 26 points apart.
void write_scan_pdf(const std::filesystem::path& path, const std::vector<ScanPage>& pages);

// The width of one wide (Japanese) character in points: pango sets 14
// points at 96 dpi.
constexpr double kScanPointsPerEm = 14 * 96.0 / 72;

}  // namespace zuvediv_test
