#include "text/page_hits.h"

#include <algorithm>
#include <unicode/unistr.h>

#include "text/icu_memory.h"

namespace zuvediv {

std::string to_utf8(const std::u32string& text) {
    std::string out;
    allocated(icu::UnicodeString::fromUTF32(reinterpret_cast<const UChar32*>(text.data()), static_cast<int32_t>(text.size())))
        .toUTF8String(out);
    return out;
}

std::u32string from_utf8(const std::string& text) {
    const icu::UnicodeString u = icu::UnicodeString::fromUTF8(text);
    allocated(u);
    std::u32string out(static_cast<size_t>(u.countChar32()), U'\0');
    UErrorCode status = U_ZERO_ERROR;
    u.toUTF32(reinterpret_cast<UChar32*>(out.data()), static_cast<int32_t>(out.size()), status);
    throw_if_out_of_memory(status);
    return out;
}

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

std::vector<MatchSpan> find_hit_ranges(const std::u32string& chars, const TextFolder& folder,
                                       const PhraseMatcher& matcher) {
    std::vector<MatchSpan> ranges;
    if (chars.empty()) return ranges;
    const FoldedText folded = folder.fold(chars);
    for (const MatchSpan& span : matcher.find_all(folded.chars))
        ranges.push_back({folded.source_begin[span.begin], folded.source_end[span.end - 1]});
    return ranges;
}

std::vector<PageHit> find_page_hits(const PageText& page, const TextFolder& folder,
                                    const PhraseMatcher& matcher) {
    std::vector<PageHit> hits;
    for (const MatchSpan& range : find_hit_ranges(page.chars, folder, matcher))
        hits.push_back({hit_context(page.chars, range.begin, range.end), hit_boxes(page, range.begin, range.end)});
    return hits;
}

}  // namespace zuvediv
