#include "text/page_text.h"

#include <algorithm>
#include <poppler-page.h>
#include <unicode/utf16.h>

namespace zuvediv {
namespace {

struct Extent {
    double along0, along1;    // in reading direction
    double across0, across1;  // across the line
};

Extent extent_of(const Box& b, int rotation) {
    switch (rotation & 3) {
        case 1: return {b.y0, b.y1, b.x0, b.x1};
        case 2: return {-b.x1, -b.x0, b.y0, b.y1};
        case 3: return {-b.y1, -b.y0, b.x0, b.x1};
        default: return {b.x0, b.x1, b.y0, b.y1};
    }
}

enum class Separator { none, blank, line_break };

Separator separator_between(const WordBox& prev, const WordBox& next) {
    if ((prev.rotation & 3) != (next.rotation & 3)) return Separator::line_break;
    const Extent a = extent_of(prev.box, prev.rotation);
    const Extent b = extent_of(next.box, next.rotation);
    const double height = std::max(1e-3, std::min(a.across1 - a.across0, b.across1 - b.across0));
    const double overlap = std::min(a.across1, b.across1) - std::max(a.across0, b.across0);
    if (overlap < 0.5 * height) return Separator::line_break;
    const double gap = b.along0 - a.along1;
    // Going backwards, or a jump across a column or table gap, is not the
    // same line of running text even if the baselines agree.
    if (gap < -0.5 * height || gap > 2.0 * height) return Separator::line_break;
    return prev.space_after ? Separator::blank : Separator::none;
}

Box to_box(const poppler::rectf& r) {
    return {r.left(), r.top(), r.right(), r.bottom()};
}

}  // namespace

void append_word(PageText& text, const WordBox* previous, const WordBox& word) {
    if (previous) {
        switch (separator_between(*previous, word)) {
            case Separator::line_break: text.add(U'\n', Box{}); break;
            case Separator::blank: text.add(U' ', Box{}); break;
            case Separator::none: break;
        }
    }
    for (size_t i = 0; i < word.text.size(); ++i) {
        Box box = i < word.char_boxes.size() ? word.char_boxes[i] : Box{};
        if (box.empty()) box = word.box;
        text.add(word.text[i], box);
    }
}

PageText join_words(const std::vector<WordBox>& words) {
    PageText text;
    for (size_t w = 0; w < words.size(); ++w) append_word(text, w > 0 ? &words[w - 1] : nullptr, words[w]);
    return text;
}

PageText read_page_text(const poppler::page& page) {
    const std::vector<poppler::text_box> list = page.text_list();
    PageText text;
    text.chars.reserve(list.size() * 8);
    text.boxes.reserve(list.size() * 8);
    // Two word buffers used in turn: the previous word decides the separator.
    WordBox words[2];
    for (size_t w = 0; w < list.size(); ++w) {
        const poppler::text_box& tb = list[w];
        WordBox& word = words[w & 1];
        word.text.clear();
        word.char_boxes.clear();
        const poppler::ustring utf16 = tb.text();
        const int32_t length = static_cast<int32_t>(utf16.size());
        // char_bbox() counts code points, text() is UTF-16: decode so that
        // index i of word.text lines up with char_bbox(i).
        for (int32_t k = 0; k < length;) {
            UChar32 c;
            U16_NEXT(utf16.data(), k, length, c);
            word.char_boxes.push_back(to_box(tb.char_bbox(word.text.size())));
            word.text.push_back(static_cast<char32_t>(c));
        }
        word.box = to_box(tb.bbox());
        word.rotation = tb.rotation();
        word.space_after = tb.has_space_after();
        append_word(text, w > 0 ? &words[(w - 1) & 1] : nullptr, word);
    }
    return text;
}

}  // namespace zuvediv
