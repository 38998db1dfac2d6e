// Builds the scanned-page corpus: pages of Japanese and Latin text drawn
// at 200 dpi, turned slightly, in grey with noise, saved as JPEG; the
// caller wraps each document's images into an image-only PDF. A list of
// which pages hold the two search phrases goes to truth.txt.
// Usage: make_scans <folder> <documents> <pages per document> [text points]
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "output/image_files.h"

namespace {

constexpr int kDpi = 200;
constexpr double kScale = kDpi / 72.0;
constexpr int kWidth = static_cast<int>(595 * kScale), kHeight = static_cast<int>(842 * kScale);
const char* const kJapanesePhrase = "請求書番号";
const char* const kLatinPhrase = "delivery schedule";

const char* const kJapanese[] = {
    "本日の会議では来期の予算について議論しました。", "各部門の担当者は資料を確認してください。",
    "新しい仕組みの導入により作業時間が短縮されました。", "東京本社と大阪支社の間で打ち合わせを行います。",
    "ご不明な点がございましたらお問い合わせください。", "品質管理の手順を見直す必要があります。"};
const char* const kLatin[] = {"quarterly", "report", "shipment", "customer", "balance", "invoice",
                              "account", "summary", "project", "estimate", "review", "payment"};

std::string filler(std::mt19937& rng) {
    if (rng() % 2) return kJapanese[rng() % 6];
    std::string text;
    for (int w = 0, n = 5 + static_cast<int>(rng() % 5); w < n; ++w) text += std::string(kLatin[rng() % 12]) + (w + 1 < n ? " " : ".");
    return text;
}

void show(cairo_t* cr, PangoFontDescription* font, double x, double y, const std::string& text) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, text.c_str(), -1);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
}

struct Holds {
    bool japanese = false, latin = false;
};

// One page of lines; some hold a phrase, placed within the line.
Holds draw_page(cairo_t* cr, std::mt19937& rng, int points) {
    Holds holds{rng() % 3 != 0, rng() % 3 != 0};
    PangoFontDescription* body = pango_font_description_from_string(("IPAGothic " + std::to_string(points)).c_str());
    const int lines = 30, japanese_line = 3 + static_cast<int>(rng() % 12), latin_line = 16 + static_cast<int>(rng() % 12);
    for (int line = 0; line < lines; ++line) {
        std::string text = filler(rng);
        if (holds.japanese && line == japanese_line) text = "添付の" + std::string(kJapanesePhrase) + "をご確認ください。";
        if (holds.latin && line == latin_line) text = "The " + std::string(kLatinPhrase) + " for the next shipment.";
        show(cr, body, 60, 60 + line * points * 2.1, text);
    }
    pango_font_description_free(body);
    return holds;
}

zuvediv::RgbImage scanned(cairo_surface_t* surface, std::mt19937& rng) {
    std::normal_distribution<double> noise(0.0, 14.0);
    zuvediv::RgbImage image;
    image.width = kWidth;
    image.height = kHeight;
    image.pixels.resize(static_cast<size_t>(kWidth) * kHeight * 3);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const unsigned char* p = data + y * stride + x * 4;
            const double grey = 0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0] + noise(rng) - 12;
            const auto level = static_cast<uint8_t>(std::clamp(grey, 0.0, 255.0));
            for (int c = 0; c < 3; ++c) image.row(y)[x * 3 + c] = level;
        }
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: make_scans <folder> <documents> <pages> [text points]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int documents = std::atoi(argv[2]), pages = std::atoi(argv[3]), points = argc == 5 ? std::atoi(argv[4]) : 11;
    std::mt19937 rng(20261207);
    std::uniform_real_distribution<double> tilt(-1.5, 1.5);
    std::ofstream truth(folder + "/truth.txt");
    for (int d = 0; d < documents; ++d) {
        for (int p = 0; p < pages; ++p) {
            cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
            cairo_t* cr = cairo_create(surface);
            cairo_set_source_rgb(cr, 1, 1, 1);
            cairo_paint(cr);
            cairo_translate(cr, kWidth / 2.0, kHeight / 2.0);
            cairo_rotate(cr, tilt(rng) * M_PI / 180);
            cairo_translate(cr, -kWidth / 2.0, -kHeight / 2.0);
            cairo_scale(cr, kScale, kScale);
            cairo_set_source_rgb(cr, 0, 0, 0);
            const Holds holds = draw_page(cr, rng, points);
            cairo_surface_flush(surface);
            char name[64];
            std::snprintf(name, sizeof name, "/scan%03d-%02d.jpg", d, p + 1);
            const std::string error = zuvediv::write_image(scanned(surface, rng), zuvediv::ImageFormat::jpeg, folder + name, kDpi);
            if (!error.empty()) {
                std::fprintf(stderr, "%s\n", error.c_str());
                return 1;
            }
            truth << "scan" << (d < 10 ? "00" : d < 100 ? "0" : "") << d << ".pdf " << p + 1 << " " << holds.japanese << " "
                  << holds.latin << "\n";
            cairo_destroy(cr);
            cairo_surface_destroy(surface);
        }
    }
    return 0;
}
