#include "text/page_hits.h"

#include <algorithm>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include "text/icu_memory.h"

namespace zuvediv {

namespace {

// Written directly, not through UTF-16: every hit's context and every
// stored page comes by here. The unsafe form writes any code point.
std::string utf8_of(const std::u32string& text, bool scalars_only) {
    std::string out(text.size() * U8_MAX_LENGTH, '\0');
    int32_t length = 0;
    for (const char32_t c : text) {
        const bool scalar = c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF);
        const char32_t written = scalar || !scalars_only ? c : 0xFFFD;
        U8_APPEND_UNSAFE(reinterpret_cast<uint8_t*>(out.data()), length, static_cast<UChar32>(written));
    }
    out.resize(static_cast<size_t>(length));
    return out;
}

}  // namespace

std::string to_utf8(const std::u32string& text) { return utf8_of(text, true); }

std::string to_utf8_as_is(const std::u32string& text) { return utf8_of(text, false); }

std::u32string from_utf8(const std::string& text) {
    const icu::UnicodeString u = icu::UnicodeString::fromUTF8(text);
    allocated(u);
    std::u32string out(static_cast<size_t>(u.countChar32()), U'\0');
    UErrorCode status = U_ZERO_ERROR;
    u.toUTF32(reinterpret_cast<UChar32*>(out.data()), static_cast<int32_t>(out.size()), status);
    throw_if_out_of_memory(status);
    return out;
}

namespace {

// Source characters [begin, end) plus context, line breaks and control
// characters turned into blanks.
std::string hit_context(const std::u32string& chars, size_t begin, size_t end) {
    const size_t from = begin > kContextChars ? begin - kContextChars : 0;
    const size_t to = std::min(chars.size(), end + kContextChars);
    std::u32string part = chars.substr(from, to - from);
    for (char32_t& c : part) {
        if (c < 0x20 || c == 0x7F) c = U' ';
    }
    return to_utf8(part);
}

std::vector<Box> hit_boxes(const PageText& page, size_t begin, size_t end) {
    std::vector<Box> boxes;
    bool open = false;
    for (size_t i = begin; i < end; ++i) {
        if (page.chars[i] == kLineBreak) {
            open = false;
            continue;
        }
        const Box& b = page.boxes[i];
        if (b.empty()) continue;
        if (!open) {
            boxes.push_back(b);
            open = true;
            continue;
        }
        Box& u = boxes.back();
        u.x0 = std::min(u.x0, b.x0);
        u.y0 = std::min(u.y0, b.y0);
        u.x1 = std::max(u.x1, b.x1);
        u.y1 = std::max(u.y1, b.y1);
    }
    return boxes;
}

}  // namespace

std::vector<MatchSpan> find_hit_ranges(const std::u32string& chars, const TextFolder& folding,
                                       const PhraseMatcher& matcher) {
    std::vector<MatchSpan> ranges;
    if (chars.empty()) return ranges;
    const FoldedText folded = folding.fold(chars);
    for (const MatchSpan& span : matcher.find_all(folded.chars))
        ranges.push_back({folded.begin_of(span.begin), folded.end_of(span.end - 1)});
    return ranges;
}

void add_listed_hits(std::vector<DocumentHit>& list, int page_index, const std::u32string& chars,
                     const std::vector<MatchSpan>& ranges) {
    for (const MatchSpan& range : ranges) list.push_back({page_index + 1, hit_context(chars, range.begin, range.end)});
}

std::vector<Box> hit_frame_boxes(const PageText& page, const std::vector<MatchSpan>& ranges) {
    std::vector<Box> boxes;
    for (const MatchSpan& range : ranges) {
        const std::vector<Box> lines = hit_boxes(page, range.begin, range.end);
        boxes.insert(boxes.end(), lines.begin(), lines.end());
    }
    return boxes;
}

}  // namespace zuvediv
