#pragma once
// Passwords of AES-256 (revision 6) documents are meant to be prepared with
// SASLprep (RFC 4013) before use: a soft hyphen maps to nothing, ª to a.
// Poppler uses the bytes as given, so a document made by a writer that
// prepares its passwords does not open with what the user types.
#include <optional>
#include <string>

namespace zuvediv {

// The prepared UTF-8 password when it differs from the one given; nothing
// when it is the same or cannot be prepared (a prohibited character).
std::optional<std::string> sasl_prepared(const std::string& password);

}  // namespace zuvediv
