#pragma once
// A page's code points as stored: UTF-8, but any code point poppler hands
// over (a lone surrogate included) comes back unchanged, so a context read
// from the cache is byte for byte the one a fresh read gives.
#include <optional>
#include <string>
#include <string_view>

namespace zuvediv {

std::string encode_page_text(const std::u32string& chars);
// Empty when the bytes end inside a character (a damaged cache).
std::optional<std::u32string> decode_page_text(std::string_view bytes);

}  // namespace zuvediv
