#pragma once
// Finds a folded search phrase in folded page text. A blank in the phrase
// matches any run of white space; a line break in the text may fall
// anywhere inside a hit, since Japanese lines wrap in the middle of words.
#include <cstddef>
#include <string>
#include <vector>

namespace zuvediv {

constexpr char32_t kLineBreak = U'\n';

struct MatchSpan {
    size_t begin;
    size_t end;  // one past the last matched character
};

class PhraseMatcher {
public:
    explicit PhraseMatcher(const std::u32string& folded_phrase);
    bool empty() const { return tokens_.empty(); }
    // Non-overlapping hits, left to right.
    std::vector<MatchSpan> find_all(const std::u32string& text) const;

private:
    bool match_at(const std::u32string& text, size_t start, size_t& end) const;
    std::u32string tokens_;  // kGap marks a run of blanks
};

bool is_blank(char32_t c);

}  // namespace zuvediv
