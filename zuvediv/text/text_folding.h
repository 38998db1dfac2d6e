#pragma once
// Folds text to the form that is compared during a search (compatibility
// forms, Latin case, Japanese code-page look-alikes) while remembering which
// source characters each folded character came from, so hit boxes stay right.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include <unicode/normalizer2.h>

namespace zuvediv {

struct FoldedText {
    std::u32string chars;
    // Source range [source_begin[i], source_end[i]) produced folded char i.
    // Both stay empty while each folded char is the source char at its own
    // index, as on most pages: a warm search folds every stored page.
    std::vector<uint32_t> source_begin;
    std::vector<uint32_t> source_end;

    uint32_t begin_of(size_t i) const { return source_begin.empty() ? static_cast<uint32_t>(i) : source_begin[i]; }
    uint32_t end_of(size_t i) const { return source_end.empty() ? static_cast<uint32_t>(i + 1) : source_end[i]; }
};

class TextFolder {
public:
    TextFolder(bool ignore_case, bool normalise);
    FoldedText fold(const std::u32string& source) const;
    std::u32string fold_plain(const std::u32string& source) const { return fold(source).chars; }

private:
    void append(FoldedText& out, char32_t c, uint32_t begin, uint32_t end) const;
    void append_ascii_run(FoldedText& out, const std::u32string& source, uint32_t begin, uint32_t end) const;
    bool has_boundary_before(char32_t c) const;
    void fold_single(FoldedText& out, char32_t c, uint32_t at) const;
    const std::u32string& single_form(char32_t c) const;
    bool ignore_case_;
    const icu::Normalizer2* normaliser_ = nullptr;
    // What ICU said of each character seen so far: kana and the like are
    // not inert but almost always stand alone, and ICU calls add up (a warm
    // search spent a third of its time here). Characters of the Basic
    // Multilingual Plane are looked up by index; a zero entry is not yet asked.
    static constexpr char32_t kFormElsewhere = 0xFFFFFFFF;  // the form is not one such character
    mutable std::vector<char32_t> single_form_of_;
    mutable std::vector<uint8_t> boundary_before_;  // 1 yes, 2 no
    mutable std::unordered_map<char32_t, std::u32string> single_forms_;
};

// Maps one member of each code-page look-alike pair onto the other.
char32_t unify_lookalike(char32_t c);

}  // namespace zuvediv
