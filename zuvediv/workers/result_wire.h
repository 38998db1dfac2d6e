#pragma once
// Carries a DocumentResult from a worker process back to the coordinator.
#include <optional>
#include <string>

#include "documents/document_search.h"

namespace zuvediv {

std::string encode_result(const DocumentResult& result);
// The encoded result behind its length, as it goes down the pipe.
std::string framed_result(const DocumentResult& result);
// Empty when the bytes are cut short or malformed (a worker that died
// half-way through writing).
std::optional<DocumentResult> decode_result(const std::string& bytes);

}  // namespace zuvediv
