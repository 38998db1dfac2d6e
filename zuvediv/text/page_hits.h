#pragma once
// Turns matches in folded text back into what the user sees: the source
// text around the hit and one rectangle per line the hit covers.
#include <string>
#include <vector>

#include "text/page_text.h"
#include "text/phrase_matcher.h"
#include "text/text_folding.h"

namespace zuvediv {

struct PageHit {
    std::string context;     // UTF-8, hit with up to kContextChars either side
    std::vector<Box> boxes;  // one per line covered
};

constexpr size_t kContextChars = 20;

// Hits as ranges [begin, end) of the page's characters.
std::vector<MatchSpan> find_hit_ranges(const std::u32string& chars, const TextFolder& folder,
                                       const PhraseMatcher& matcher);
std::vector<PageHit> find_page_hits(const PageText& page, const TextFolder& folder,
                                    const PhraseMatcher& matcher);

// Source characters [begin, end) plus context, line breaks and control
// characters turned into blanks.
std::string hit_context(const std::u32string& chars, size_t begin, size_t end);
std::vector<Box> hit_boxes(const PageText& page, size_t begin, size_t end);

std::string to_utf8(const std::u32string& text);
std::u32string from_utf8(const std::string& text);

}  // namespace zuvediv
