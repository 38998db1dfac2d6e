#pragma once
// The text of one page in reading order, one entry per code point with its
// box, and separators between words: a blank within a line, a line break
// between lines. Boxes are in points, top-left origin, as the page is shown.
#include <string>
#include <vector>

namespace poppler { class page; }

namespace zuvediv {

struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
};

struct PageText {
    std::u32string chars;
    std::vector<Box> boxes;  // empty box for separators

    void add(char32_t c, const Box& box) {
        chars.push_back(c);
        boxes.push_back(box);
    }
};

// A word as poppler lays it out: UTF-16 text, boxes per code point.
struct WordBox {
    std::u32string text;
    std::vector<Box> char_boxes;
    Box box;
    int rotation = 0;  // quarter turns of the text direction
    bool space_after = false;
};

PageText read_page_text(const poppler::page& page);
// Joins words, deciding between nothing, a blank or a line break.
PageText join_words(const std::vector<WordBox>& words);

}  // namespace zuvediv
