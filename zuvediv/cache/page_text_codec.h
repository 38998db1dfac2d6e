#pragma once
// A page's code points as stored: UTF-8, but any code point poppler hands
// over (a lone surrogate included) comes back unchanged, so a context read
// from the cache is byte for byte the one a fresh read gives. A batch is
// several pages so encoded, each behind its index and source, as a worker
// sends them to the coordinator that stores them.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ocr/page_reader.h"

namespace zuvediv {

std::string encode_page_text(const std::u32string& chars);
// Empty when the bytes end inside a character (a damaged cache).
std::optional<std::u32string> decode_page_text(std::string_view bytes);

void append_to_batch(std::string& batch, int page, PageSource source, const std::u32string& chars);
// Each page's index, source and encoded text; false when the batch is
// malformed, before any visit.
using BatchPageVisitor = std::function<void(int page, PageSource source, std::string_view bytes)>;
bool visit_batch(std::string_view batch, const BatchPageVisitor& visit);

}  // namespace zuvediv
