#include "ocr/recognised_words.h"

#include <unicode/uchar.h>

namespace zuvediv {
namespace {

bool is_wide(char32_t c) {
    const int width = u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_EAST_ASIAN_WIDTH);
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH;
}

Box scaled(const Box& b, double factor) { return {b.x0 * factor, b.y0 * factor, b.x1 * factor, b.y1 * factor}; }

WordBox to_word_box(const RecognisedWord& word, double points_per_pixel, int rotation) {
    WordBox out;
    out.box = scaled(word.box, points_per_pixel);
    out.rotation = rotation;
    for (const RecognisedSymbol& symbol : word.symbols) {
        for (char32_t c : symbol.text) {
            out.text.push_back(c);
            out.char_boxes.push_back(scaled(symbol.box, points_per_pixel));
        }
    }
    return out;
}

void append(std::vector<WordBox>& out, const RecognisedWord& word, double points_per_pixel, int rotation) {
    WordBox next = to_word_box(word, points_per_pixel, rotation);
    if (next.text.empty()) return;
    if (!out.empty()) out.back().space_after = !(is_wide(out.back().text.back()) && is_wide(next.text.front()));
    out.push_back(std::move(next));
}

}  // namespace

std::vector<WordBox> to_word_boxes(const std::vector<RecognisedWord>& words, double points_per_pixel, int rotation) {
    std::vector<WordBox> out;
    for (const RecognisedWord& word : words) append(out, word, points_per_pixel, rotation);
    return out;
}

std::vector<WordBox> to_word_boxes(const Recognition& reading, double points_per_pixel) {
    std::vector<WordBox> out;
    for (const RecognisedBlock& block : reading.blocks) {
        for (const RecognisedLine& line : block.lines) {
            for (const RecognisedWord& word : line.words) append(out, word, points_per_pixel, line.direction);
        }
    }
    return out;
}

}  // namespace zuvediv
