// Builds the benchmark corpus: many PDFs of ordinary report pages, two
// columns of mixed Japanese and Latin running text plus a ruled table.
// Usage: make_corpus <folder> <documents> <pages per document>
#include <cairo-pdf.h>
#include <pango/pangocairo.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

const char* const kJapanese[] = {
    "本日の会議では来期の予算について議論しました。", "請求書は月末までにお送りください。",
    "各部門の担当者は資料を確認してください。", "新しい仕組みの導入により作業時間が短縮されました。",
    "東京本社と大阪支社の間で打ち合わせを行います。", "ご不明な点がございましたらお問い合わせください。",
    "品質管理の手順を見直す必要があります。", "納品日は来週の水曜日を予定しております。"};
const char* const kLatin[] = {"quarterly", "report", "shipment", "customer", "balance", "Zuvtoken", "invoice",
                              "delivery", "account", "summary", "project", "estimate", "schedule", "review"};

std::string paragraph(std::mt19937& rng, int sentences) {
    std::string text;
    for (int s = 0; s < sentences; ++s) {
        if (rng() % 2) {
            text += kJapanese[rng() % 8];
        } else {
            for (int w = 0, n = 4 + static_cast<int>(rng() % 8); w < n; ++w) {
                text += kLatin[rng() % 14];
                text += w + 1 < n ? " " : ". ";
            }
        }
    }
    return text;
}

void show(cairo_t* cr, PangoFontDescription* font, double x, double y, double width, const std::string& text) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_width(layout, static_cast<int>(width * PANGO_SCALE));
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    pango_layout_set_text(layout, text.c_str(), -1);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
}

void page(cairo_t* cr, std::mt19937& rng, int doc, int number) {
    PangoFontDescription* title = pango_font_description_from_string("IPAGothic Bold 14");
    PangoFontDescription* body = pango_font_description_from_string("IPAGothic 9");
    show(cr, title, 50, 40, 495, "Report " + std::to_string(doc) + "-" + std::to_string(number) + " 報告書");
    for (int column = 0; column < 2; ++column) show(cr, body, 50 + column * 255, 75, 240, paragraph(rng, 26));
    // A ruled table at the foot of the page.
    const double top = 560, row_h = 18, col_w = 123;
    cairo_set_line_width(cr, 0.5);
    for (int r = 0; r <= 8; ++r) {
        cairo_move_to(cr, 50, top + r * row_h);
        cairo_line_to(cr, 50 + 4 * col_w, top + r * row_h);
    }
    for (int c = 0; c <= 4; ++c) {
        cairo_move_to(cr, 50 + c * col_w, top);
        cairo_line_to(cr, 50 + c * col_w, top + 8 * row_h);
    }
    cairo_stroke(cr);
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 4; ++c) {
            const std::string cell = c == 0 ? std::string(kLatin[rng() % 14]) : c == 1 ? "品目" + std::to_string(r)
                                                                               : std::to_string(rng() % 100000);
            show(cr, body, 54 + c * col_w, top + r * row_h + 3, col_w - 8, cell);
        }
    }
    pango_font_description_free(title);
    pango_font_description_free(body);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_corpus <folder> <documents> <pages>\n");
        return 2;
    }
    const int documents = std::atoi(argv[2]);
    const int pages = std::atoi(argv[3]);
    std::mt19937 rng(20261206);
    for (int d = 0; d < documents; ++d) {
        char name[64];
        std::snprintf(name, sizeof name, "/doc%03d.pdf", d);
        cairo_surface_t* surface = cairo_pdf_surface_create((std::string(argv[1]) + name).c_str(), 595, 842);
        cairo_t* cr = cairo_create(surface);
        for (int p = 0; p < pages; ++p) {
            page(cr, rng, d, p + 1);
            cairo_show_page(cr);
        }
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    return 0;
}
