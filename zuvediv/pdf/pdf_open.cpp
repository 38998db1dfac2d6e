#include "pdf/pdf_open.h"

#include <optional>

#include "pdf/password_prep.h"

namespace zuvediv {
namespace {

// A file claims to be a PDF with "%PDF" in its first kilobyte, where readers look for the header.
constexpr size_t kHeaderWindow = 1024;

}  // namespace

DocumentStatus status_of(OpenFailure failure) {
    switch (failure) {
        case OpenFailure::unreadable: return DocumentStatus::unreadable;
        case OpenFailure::not_pdf: return DocumentStatus::not_pdf;
        case OpenFailure::damaged: return DocumentStatus::damaged;
        case OpenFailure::needs_password: return DocumentStatus::needs_password;
        case OpenFailure::wrong_password: return DocumentStatus::wrong_password;
        case OpenFailure::none: break;
    }
    return DocumentStatus::searched;
}

std::string describe(OpenFailure failure) {
    return failure == OpenFailure::none ? "" : unread_reason(status_of(failure), "");
}

OpenedPdf open_pdf(const std::string& path, const std::string& password) {
    OpenedPdf result;
    PdfSource source;
    result.detail = source.open(path, kHeaderWindow);
    if (!result.detail.empty()) {
        result.failure = OpenFailure::unreadable;
        return result;
    }
    // Poppler reads many files whose first line is damaged: what it reads
    // is searched, and only a file that neither it can open nor claims to
    // be a PDF is not one.
    result.document = source.load(password);
    if (!result.document) {
        result.failure = source.head().find("%PDF") == std::string::npos ? OpenFailure::not_pdf : OpenFailure::damaged;
        return result;
    }
    // unlock() reports success on failure in this poppler, and
    // is_encrypted() is false while locked: is_locked() is the one to trust.
    if (result.document->is_locked()) {
        if (const std::optional<std::string> prepared = sasl_prepared(password)) result.document = source.load(*prepared);
    }
    if (!result.document || result.document->is_locked()) {
        result.failure = password.empty() ? OpenFailure::needs_password : OpenFailure::wrong_password;
        result.document.reset();
    }
    return result;
}

}  // namespace zuvediv
