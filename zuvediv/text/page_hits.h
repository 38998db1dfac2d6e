#pragma once
// Turns matches in folded text back into what the user sees: the source
// text around the hit and one rectangle per line the hit covers.
#include <string>
#include <vector>

#include "text/page_text.h"
#include "text/phrase_matcher.h"
#include "text/text_folding.h"

namespace zuvediv {

// A hit as the list shows it.
struct DocumentHit {
    int page = 0;         // from 1
    std::string context;  // UTF-8, hit with up to kContextChars either side
};

constexpr size_t kContextChars = 20;

// Hits as ranges [begin, end) of the page's characters.
std::vector<MatchSpan> find_hit_ranges(const std::u32string& chars, const TextFolder& folding,
                                       const PhraseMatcher& matcher);
// The list's hits on a page: one rule for a page read now and a stored one.
void add_listed_hits(std::vector<DocumentHit>& list, int page_index, const std::u32string& chars,
                     const std::vector<MatchSpan>& ranges);
// One box per line each hit covers, for the frames.
std::vector<Box> hit_frame_boxes(const PageText& page, const std::vector<MatchSpan>& ranges);

// UTF-8 for lists and messages: a code point UTF-8 cannot hold (a lone
// surrogate, which a PDF's text may hold) becomes U+FFFD.
std::string to_utf8(const std::u32string& text);
// Every code point written as it stands, lone surrogates too: for text that
// only this program reads back.
std::string to_utf8_as_is(const std::u32string& text);
std::u32string from_utf8(const std::string& text);

}  // namespace zuvediv
