#pragma once
// The tool keeps text and paths in UTF-8; Windows takes and gives UTF-16.
#include <string>
#include <string_view>

namespace zuvediv {

// Bytes that are not UTF-8 become U+FFFD.
std::wstring wide_from_utf8(std::string_view utf8);
// An unpaired surrogate becomes U+FFFD.
std::string utf8_from_wide(std::wstring_view wide);

}  // namespace zuvediv
