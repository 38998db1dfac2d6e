#pragma once
// Test PDFs drawn with cairo and pango in IPA Gothic, encrypted with qpdf.
// Built once and kept in the build tree, since every test case runs in a
// process of its own.
#include <filesystem>
#include <string>
#include <vector>

namespace zuvediv_test {

namespace fs = std::filesystem;

struct TextLine {
    double x;  // points from the left
    double y;  // points from the top
    std::string text;
};

using PageLines = std::vector<TextLine>;

void write_pdf(const fs::path& path, const std::vector<PageLines>& pages, double width = 595, double height = 842);
void run_qpdf(const std::vector<std::string>& args);

struct Fixtures {
    fs::path root;
    fs::path docs;       // folder tree for searches
    fs::path mixed;      // docs/mixed.pdf, 3 pages, page 3 rotated
    fs::path formula;    // docs/formula.pdf
    fs::path secret;     // docs/sub/secret.pdf, passwords below
    fs::path broken;     // docs/broken.pdf
    fs::path fake;       // docs/fake.PDF, not a PDF
    fs::path deeper;     // docs/sub/deeper/mixed.pdf, same name as the top one
};

constexpr const char* kUserPassword = "user-pw";
constexpr const char* kOwnerPassword = "owner-pw";

const Fixtures& fixtures();
fs::path scratch_dir(const std::string& name);  // fresh, empty

}  // namespace zuvediv_test
