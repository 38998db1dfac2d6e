#pragma once
// ICU tells a failed allocation by a status or a bogus string, not by an
// exception. Thrown on as std::bad_alloc, it makes the document unread
// (out of memory) instead of a text with pieces missing.
#include <new>

#include <unicode/unistr.h>
#include <unicode/utypes.h>

namespace zuvediv {

inline void throw_if_out_of_memory(UErrorCode status) {
    if (status == U_MEMORY_ALLOCATION_ERROR) throw std::bad_alloc();
}

inline const icu::UnicodeString& allocated(const icu::UnicodeString& text) {
    if (text.isBogus()) throw std::bad_alloc();
    return text;
}

}  // namespace zuvediv
