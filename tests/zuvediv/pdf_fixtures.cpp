#include "pdf_fixtures.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace zuvediv_test {
namespace {

// Bump when the documents below change, so stale copies are rebuilt.
constexpr const char* kFixtureVersion = "fixtures-v1";

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

void write_file(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

void build(const fs::path& root) {
    const fs::path docs = root / "docs";
    fs::create_directories(docs / "sub" / "deeper");
    write_pdf(docs / "plain.pdf",
              {
                  {{50, 50, "請求書番号 INVOICE-2026 の件"},
                   {50, 80, "来月分のご請求"},
                   {50, 100, "書を同封します。"},
                   {50, 140, "Total, \"net\" amount: invoice total"}},
                  {{50, 50, "ＡＢＣ株式会社 ｶﾀｶﾅ表記"},
                   {50, 80, "ﬁle name 東京〜大阪 −123"},
                   {50, 110, "𠮷野家 invoice Invoice"}},
                  {{50, 50, "回転ページ rotated invoice"}},
              });
    run_qpdf({"--rotate=+90:3", (docs / "plain.pdf").string(), (docs / "mixed.pdf").string()});
    fs::remove(docs / "plain.pdf");
    write_pdf(docs / "formula.pdf", {{{50, 50, "=HYPERLINK(\"x\") invoice"}, {50, 80, "+cmd|invoice"}, {50, 110, "@SUM invoice"}}});
    write_pdf(docs / "sub" / "plain.pdf", {{{50, 50, "secret invoice"}}});
    run_qpdf({"--encrypt", kUserPassword, kOwnerPassword, "256", "--", (docs / "sub" / "plain.pdf").string(),
              (docs / "sub" / "secret.pdf").string()});
    fs::remove(docs / "sub" / "plain.pdf");
    write_pdf(docs / "sub" / "deeper" / "mixed.pdf", {{{50, 50, "deeper invoice here"}}});
    write_file(docs / "broken.pdf", "%PDF-1.7\n1 0 obj\n<< /Type /Catalog /Pages 9 0 R\nstream\n\x01\x02garbage");
    write_file(docs / "fake.PDF", "This is plain text, not a PDF. invoice\n");
    write_file(docs / "notes.txt", "invoice\n");
}

}  // namespace

void write_pdf(const fs::path& path, const std::vector<PageLines>& pages, double width, double height) {
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
    for (const std::string& a : args) command += " '" + a + "'";
    // qpdf exits 3 for warnings only.
    const int status = std::system(command.c_str());
    if (status != 0 && WEXITSTATUS(status) != 3) throw std::runtime_error("qpdf failed: " + command);
}

fs::path scratch_dir(const std::string& name) {
    const fs::path dir = fs::path(ZUVEDIV_TEST_WORK_DIR) / "scratch" / (name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

const Fixtures& fixtures() {
    static const Fixtures built = [] {
        Fixtures f;
        f.root = fs::path(ZUVEDIV_TEST_WORK_DIR) / kFixtureVersion;
        if (!fs::exists(f.root / "done")) {
            const fs::path temp = fs::path(ZUVEDIV_TEST_WORK_DIR) / (std::string("building-") + std::to_string(::getpid()));
            fs::remove_all(temp);
            build(temp);
            write_file(temp / "done", "");
            std::error_code ec;
            fs::rename(temp, f.root, ec);  // another process may have won
            fs::remove_all(temp, ec);
        }
        f.docs = f.root / "docs";
        f.mixed = f.docs / "mixed.pdf";
        f.formula = f.docs / "formula.pdf";
        f.secret = f.docs / "sub" / "secret.pdf";
        f.broken = f.docs / "broken.pdf";
        f.fake = f.docs / "fake.PDF";
        f.deeper = f.docs / "sub" / "deeper" / "mixed.pdf";
        return f;
    }();
    return built;
}

}  // namespace zuvediv_test
