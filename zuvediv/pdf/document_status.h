#pragma once
// How reading a document ended. Code compares the status; the words the
// user reads for each status are kept here alone.
#include <cstdint>
#include <string>

namespace zuvediv {

enum class DocumentStatus : uint8_t {
    searched,
    unreadable,       // detail: the system's reason
    not_pdf,
    damaged,
    needs_password,
    wrong_password,
    out_of_memory,
    timed_out,        // detail: the limit in seconds
    crashed,
    changed_while_read,
    no_worker,
    internal_error,   // detail: what went wrong, if known
};
constexpr DocumentStatus kLastDocumentStatus = DocumentStatus::internal_error;

// Why a document was not searched, as the summary lists it.
std::string unread_reason(DocumentStatus status, const std::string& detail);

}  // namespace zuvediv
