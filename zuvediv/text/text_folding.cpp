#include "text/text_folding.h"

#include <stdexcept>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "text/icu_memory.h"

namespace zuvediv {

char32_t unify_lookalike(char32_t c) {
    // Japanese Windows code pages and PDFs disagree on these; NFKC keeps
    // them apart (or maps only one side), so pick one member of each pair.
    switch (c) {
        case 0x301C: return 0xFF5E;  // wave dash -> full-width tilde
        case 0x2212: return 0xFF0D;  // minus sign -> full-width hyphen-minus
        case 0x2015: return 0x2014;  // horizontal bar -> em dash
        case 0x2016: return 0x2225;  // double vertical line -> parallel to
        case 0xFFE0: return 0x00A2;  // cent
        case 0xFFE1: return 0x00A3;  // pound
        case 0xFFE2: return 0x00AC;  // not sign
        default: return c;
    }
}

TextFolder::TextFolder(bool ignore_case, bool normalise) : ignore_case_(ignore_case) {
    if (!normalise) return;
    UErrorCode status = U_ZERO_ERROR;
    normaliser_ = ignore_case ? icu::Normalizer2::getNFKCCasefoldInstance(status)
                              : icu::Normalizer2::getNFKCInstance(status);
    if (U_FAILURE(status)) throw std::runtime_error(u_errorName(status));
}

namespace {

constexpr char32_t kPlaneSize = 0x10000;

// The places of the folded characters so far, each its source character's.
void start_places(FoldedText& out) {
    const size_t count = out.chars.size();
    out.source_begin.resize(count);
    out.source_end.resize(count);
    for (size_t k = 0; k < count; ++k) {
        out.source_begin[k] = static_cast<uint32_t>(k);
        out.source_end[k] = static_cast<uint32_t>(k + 1);
    }
}

bool needs_places(const FoldedText& out, uint32_t begin, uint32_t end) {
    return !out.source_begin.empty() || begin != out.chars.size() || end != begin + 1;
}

}  // namespace

void TextFolder::append(FoldedText& out, char32_t c, uint32_t begin, uint32_t end) const {
    const bool places = needs_places(out, begin, end);
    if (places && out.source_begin.empty()) start_places(out);
    out.chars.push_back(c);
    if (!places) return;
    out.source_begin.push_back(begin);
    out.source_end.push_back(end);
}

bool TextFolder::has_boundary_before(char32_t c) const {
    // No ASCII character combines with what precedes it.
    if (c < 0x80) return true;
    if (c >= kPlaneSize) return normaliser_->hasBoundaryBefore(unify_lookalike(c));
    if (boundary_before_.empty()) boundary_before_.assign(kPlaneSize, 0);
    uint8_t& known = boundary_before_[c];
    if (known == 0) known = normaliser_->hasBoundaryBefore(unify_lookalike(c)) ? 1 : 2;
    return known == 1;
}

const std::u32string& TextFolder::single_form(char32_t c) const {
    auto cached = single_forms_.find(c);
    if (cached != single_forms_.end()) return cached->second;
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString folded = normaliser_->normalize(icu::UnicodeString(static_cast<UChar32>(c)), status);
    throw_if_out_of_memory(status);
    std::u32string forms;
    if (U_FAILURE(status)) {
        forms.push_back(c);
    } else {
        for (int32_t k = 0; k < folded.length();) {
            const UChar32 f = folded.char32At(k);
            forms.push_back(static_cast<char32_t>(f));
            k += U16_LENGTH(f);
        }
    }
    return single_forms_.emplace(c, std::move(forms)).first->second;
}

void TextFolder::fold_single(FoldedText& out, char32_t c, uint32_t at) const {
    if (c < 0x80) {
        // ASCII alone is its own NFKC form; only case can change.
        if (ignore_case_ && c >= 'A' && c <= 'Z') c += 'a' - 'A';
        append(out, c, at, at + 1);
        return;
    }
    if (c >= 0x4E00 && c <= 0x9FFF) {  // unified ideographs are inert
        append(out, c, at, at + 1);
        return;
    }
    if (c < kPlaneSize) {
        if (single_form_of_.empty()) single_form_of_.assign(kPlaneSize, 0);
        char32_t& known = single_form_of_[c];
        if (known == 0) {
            const std::u32string& forms = single_form(c);
            known = forms.size() == 1 ? forms[0] : kFormElsewhere;
        }
        if (known != kFormElsewhere) return append(out, known, at, at + 1);
    }
    for (char32_t f : single_form(c)) append(out, f, at, at + 1);
}

void TextFolder::append_ascii_run(FoldedText& out, const std::u32string& source, uint32_t begin, uint32_t end) const {
    // An ASCII character before another is its own form but for case: most
    // Latin text goes by here, asking nothing of ICU, a run at a time.
    const size_t at = out.chars.size(), count = end - begin;
    if (count == 0) return;
    const bool places = needs_places(out, begin, begin + 1);
    if (places && out.source_begin.empty()) start_places(out);
    out.chars.resize(at + count);
    for (size_t k = 0; k < count; ++k) {
        const char32_t c = source[begin + k];
        out.chars[at + k] = ignore_case_ && c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    }
    if (!places) return;
    out.source_begin.resize(at + count);
    out.source_end.resize(at + count);
    for (size_t k = 0; k < count; ++k) {
        out.source_begin[at + k] = static_cast<uint32_t>(begin + k);
        out.source_end[at + k] = static_cast<uint32_t>(begin + k + 1);
    }
}

FoldedText TextFolder::fold(const std::u32string& source) const {
    FoldedText out;
    out.chars.reserve(source.size());
    const uint32_t n = static_cast<uint32_t>(source.size());

    if (!normaliser_) {
        for (uint32_t i = 0; i < n; ++i) {
            char32_t c = source[i];
            if (ignore_case_) c = u_foldCase(c, U_FOLD_CASE_DEFAULT);
            append(out, c, i, i + 1);
        }
        return out;
    }

    icu::UnicodeString segment;
    icu::UnicodeString folded;
    const char32_t* chars = source.data();
    uint32_t i = 0;
    while (i < n) {
        // The run's last character may combine with what follows: it is folded below.
        uint32_t stop = i;
        while (stop < n && chars[stop] < 0x80) ++stop;
        const uint32_t run_end = stop > i ? stop - 1 : i;
        append_ascii_run(out, source, i, run_end);
        i = run_end;
        // A segment runs up to the next character that cannot combine with
        // what precedes it; its folded output maps back to the whole segment.
        uint32_t j = i + 1;
        while (j < n && !has_boundary_before(source[j])) ++j;
        if (j == i + 1) {
            fold_single(out, unify_lookalike(source[i]), i);
            i = j;
            continue;
        }
        segment.remove();
        for (uint32_t k = i; k < j; ++k) segment.append(static_cast<UChar32>(unify_lookalike(source[k])));
        UErrorCode status = U_ZERO_ERROR;
        normaliser_->normalize(allocated(segment), folded, status);
        throw_if_out_of_memory(status);
        if (U_FAILURE(status)) folded = segment;
        for (int32_t k = 0; k < folded.length();) {
            UChar32 c = folded.char32At(k);
            append(out, static_cast<char32_t>(c), i, j);
            k += U16_LENGTH(c);
        }
        i = j;
    }
    return out;
}

}  // namespace zuvediv
