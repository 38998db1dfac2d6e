#pragma once
// Carries a DocumentResult from a worker process back to the coordinator,
// and before it, a small frame after pages read to show it is going on, and
// the work's own messages.
#include <optional>
#include <string>
#include <string_view>

#include "documents/document_search.h"

namespace zuvediv {

std::string encode_result(const DocumentResult& result);
// The encoded result behind its length, as it goes down the pipe.
std::string framed_result(const DocumentResult& result);
// Empty when the bytes are cut short or malformed (a worker that died
// half-way through writing).
std::optional<DocumentResult> decode_result(const std::string& bytes);

std::string framed_progress(const PageProgress& progress);
// Empty when the bytes are not a progress frame's.
std::optional<PageProgress> decode_progress(const std::string& bytes);

std::string framed_message(const std::string& payload);
// Empty when the bytes are not a message frame's; else a view into them.
std::optional<std::string_view> decode_message(const std::string& bytes);

}  // namespace zuvediv
