#pragma once
// Opens a PDF and, when that fails, says why in words a user understands.
#include <string>

#include "pdf/pdf_source.h"

#include "pdf/document_status.h"

namespace zuvediv {

enum class OpenFailure { none, unreadable, not_pdf, damaged, needs_password, wrong_password };

struct OpenedPdf {
    PdfDocument document;
    OpenFailure failure = OpenFailure::none;
    std::string detail;  // system error text for unreadable files
};

OpenedPdf open_pdf(const std::string& path, const std::string& password);
DocumentStatus status_of(OpenFailure failure);
std::string describe(OpenFailure failure);

}  // namespace zuvediv
