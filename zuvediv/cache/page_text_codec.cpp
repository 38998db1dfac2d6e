#include "cache/page_text_codec.h"

#include <cstdint>
#include <unicode/utf8.h>

namespace zuvediv {

std::string encode_page_text(const std::u32string& chars) {
    std::string bytes(chars.size() * U8_MAX_LENGTH, '\0');
    int32_t length = 0;
    // The unsafe forms write and read surrogates like any other code point.
    for (char32_t c : chars) U8_APPEND_UNSAFE(reinterpret_cast<uint8_t*>(bytes.data()), length, static_cast<UChar32>(c));
    bytes.resize(static_cast<size_t>(length));
    return bytes;
}

std::optional<std::u32string> decode_page_text(std::string_view bytes) {
    std::u32string chars;
    chars.reserve(bytes.size());
    const uint8_t* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const int32_t length = static_cast<int32_t>(bytes.size());
    for (int32_t i = 0; i < length;) {
        if (i + U8_COUNT_TRAIL_BYTES_UNSAFE(data[i]) >= length) return std::nullopt;
        UChar32 c;
        U8_NEXT_UNSAFE(data, i, c);
        chars.push_back(static_cast<char32_t>(c));
    }
    return chars;
}

}  // namespace zuvediv
