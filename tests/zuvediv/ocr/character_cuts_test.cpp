// Character boxes refitted to the ink of a line: each box holds its own
// character's ink, however far the recogniser's places drift, whether a
// character is one piece of ink or several, wide or narrow, touching its
// neighbour or not, on a level line or a tilted one.
#include <gtest/gtest.h>

#include <cmath>

#include "ocr/character_cuts.h"
#include "text/page_hits.h"

namespace zuvediv {
namespace {

constexpr int kTop = 10, kBottom = 40;  // the line's ink, rows [10, 40)

// One character: its text, its ink as spans of columns (all of them the
// line's height unless low), and where the recogniser put it.
struct Glyph {
    std::u32string text;
    std::vector<std::pair<int, int>> ink;
    double read_x0, read_x1;
    bool low = false;  // ink in the lowest third only, as a full stop's
};

// other_ink: of the next line, in the line's box but below its tilted band.
struct CutCase { const char* name; std::vector<Glyph> glyphs; double slope = 0; Box other_ink{}; };

InkImage draw(const CutCase& c) {
    InkImage image{400, 60, std::vector<uint8_t>(400 * 60, 0)};
    for (int y = static_cast<int>(c.other_ink.y0); y < c.other_ink.y1; ++y)
        for (int x = static_cast<int>(c.other_ink.x0); x < c.other_ink.x1; ++x) image.ink[y * 400 + x] = 1;
    const std::vector<Glyph>& glyphs = c.glyphs;
    const double slope = c.slope;
    for (const Glyph& g : glyphs) {
        for (const auto& [from, to] : g.ink) {
            for (int x = from; x < to; ++x) {
                const int shift = static_cast<int>(std::lround(slope * x));
                for (int y = (g.low ? kBottom - 10 : kTop) + shift; y < kBottom + shift; ++y) image.ink[y * 400 + x] = 1;
            }
        }
    }
    return image;
}

RecognisedLine as_read(const std::vector<Glyph>& glyphs, double slope) {
    RecognisedLine line;
    line.slope = slope;
    line.words.emplace_back();
    for (const Glyph& g : glyphs) line.words.back().symbols.push_back({g.text, {g.read_x0, kTop + 0.0, g.read_x1, kBottom + 0.0}});
    const double rise = slope * glyphs.back().ink.back().second;
    line.box = {glyphs.front().read_x0, kTop + std::min(0.0, rise), glyphs.back().read_x1, kBottom + std::max(0.0, rise)};
    return line;
}

// Kanji 28 pixels wide every 32, read ever further to the right.
std::vector<Glyph> drifting_kanji() {
    std::vector<Glyph> glyphs;
    const char32_t* const text = U"請求書番号";
    for (int i = 0; i < 5; ++i) {
        const int x = 20 + 32 * i, drift = 7 * i;
        glyphs.push_back({std::u32string(1, text[i]), {{x, x + 28}}, x + drift - 2.0, x + drift + 30.0});
    }
    return glyphs;
}

TEST(CharacterCuts, EachBoxHoldsItsOwnCharactersInk) {
    std::vector<Glyph> two_parts = drifting_kanji();
    two_parts[0].ink = {{20, 31}, {34, 48}};  // 言 and 青 of 請, a gap between them
    std::vector<Glyph> read_apart = two_parts;  // read as if its pieces were two characters
    read_apart[0].read_x1 = 33;
    read_apart[1].read_x0 = 32;
    std::vector<Glyph> full_stop = drifting_kanji();
    full_stop[4] = {U"。", {{150, 158}}, 160, 185, true};
    const std::vector<Glyph> latin = {{U"a", {{20, 33}}, 18, 34}, {U"b", {{36, 49}}, 34, 50},
                                      {U"c", {{64, 77}}, 62, 80}, {U"d", {{80, 93}}, 80, 95}};
    const std::vector<Glyph> touching = {{U"請", {{20, 50}}, 18, 49}, {U"求", {{50, 80}}, 49, 82}, {U"書", {{84, 112}}, 82, 114}};
    const std::vector<CutCase> cases = {
        {"kanji read ever further to the right", drifting_kanji()},
        {"a kanji of two pieces of ink is one character", two_parts},
        {"a kanji of two pieces is one even where the recogniser parts them", read_apart},
        {"a full stop keeps its own small ink", full_stop},
        {"latin letters and a gap between words", latin},
        {"touching characters are cut at the recogniser's place", touching},
        {"a line tilted one pixel in forty", drifting_kanji(), 1.0 / 40},
        {"a tilted line beside the next line's ink", drifting_kanji(), 1.0 / 20, {46, kBottom + 5, 55, kBottom + 12}},
    };
    for (const CutCase& c : cases) {
        RecognisedLine line = as_read(c.glyphs, c.slope);
        fit_to_ink(line, draw(c));
        const std::vector<RecognisedSymbol>& fitted = line.words.front().symbols;
        ASSERT_EQ(fitted.size(), c.glyphs.size()) << c.name;
        for (size_t i = 0; i < fitted.size(); ++i) {
            const std::string which = std::string(c.name) + ": " + to_utf8(c.glyphs[i].text);
            EXPECT_NEAR(fitted[i].box.x0, c.glyphs[i].ink.front().first, 1.0) << which;
            EXPECT_NEAR(fitted[i].box.x1, c.glyphs[i].ink.back().second, 1.0) << which;
        }
        EXPECT_NEAR(line.box.x1, c.glyphs.back().ink.back().second, 1.0) << c.name << ": the line's box follows";
    }
}

TEST(CharacterCuts, ALineWithoutInkKeepsTheRecognisersBoxes) {
    const std::vector<Glyph> glyphs = drifting_kanji();
    RecognisedLine line = as_read(glyphs, 0);
    fit_to_ink(line, InkImage{400, 60, std::vector<uint8_t>(400 * 60, 0)});
    EXPECT_DOUBLE_EQ(line.words.front().symbols[4].box.x0, glyphs[4].read_x0);
}

}  // namespace
}  // namespace zuvediv
