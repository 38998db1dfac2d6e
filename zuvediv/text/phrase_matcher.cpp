#include "text/phrase_matcher.h"

#include <unicode/uchar.h>

namespace zuvediv {
namespace {
constexpr char32_t kGap = 0xFFFFFFFF;
}

bool is_blank(char32_t c) {
    return c == U' ' || c == kLineBreak || c == U'\t' || u_isUWhiteSpace(static_cast<UChar32>(c));
}

PhraseMatcher::PhraseMatcher(const std::u32string& folded_phrase) {
    for (char32_t c : folded_phrase) {
        if (is_blank(c)) {
            if (!tokens_.empty() && tokens_.back() != kGap) tokens_.push_back(kGap);
        } else {
            tokens_.push_back(c);
        }
    }
    if (!tokens_.empty() && tokens_.back() == kGap) tokens_.pop_back();
}

bool PhraseMatcher::match_at(const std::u32string& text, size_t start, size_t& end) const {
    const size_t n = text.size();
    size_t t = start;
    for (size_t k = 0; k < tokens_.size(); ++k) {
        const char32_t token = tokens_[k];
        if (token == kGap) {
            if (t >= n || !is_blank(text[t])) return false;
            while (t < n && is_blank(text[t])) ++t;
            continue;
        }
        if (k > 0) {
            while (t < n && text[t] == kLineBreak) ++t;
        }
        if (t >= n || text[t] != token) return false;
        ++t;
    }
    end = t;
    return true;
}

std::vector<MatchSpan> PhraseMatcher::find_all(const std::u32string& text) const {
    std::vector<MatchSpan> hits;
    if (tokens_.empty()) return hits;
    const char32_t first = tokens_.front();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = 0;
        if (text[start] == first && match_at(text, start, end)) {
            hits.push_back({start, end});
            start = end;
        } else {
            ++start;
        }
    }
    return hits;
}

}  // namespace zuvediv
