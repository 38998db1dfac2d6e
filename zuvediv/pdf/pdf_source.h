#pragma once
// A PDF file as poppler is given it. On Linux poppler opens the path
// itself. On Windows the tool opens it with the wide API, by its extended
// path (any name, any length) and sharing delete, so that the user may
// rename or delete it while a worker keeps it; poppler reads a mapping of
// it, which lasts as long as the document.
#include <cstddef>
#include <memory>
#include <string>

#include <poppler-document.h>

namespace zuvediv {

// Deletes the document, then lets go of the bytes it was reading.
struct DocumentRelease {
    std::shared_ptr<const void> bytes;  // none where poppler reads the file itself
    void operator()(poppler::document* document) const { delete document; }
};
using PdfDocument = std::unique_ptr<poppler::document, DocumentRelease>;

class PdfSource {
public:
    // Opens the file and reads its first head_bytes; "" or the system's reason.
    std::string open(const std::string& path, size_t head_bytes);
    const std::string& head() const { return head_; }
    // Empty when poppler cannot read the file. The password may be the
    // user or the owner password.
    PdfDocument load(const std::string& password) const;

private:
    struct File;  // the platform's
    std::shared_ptr<const File> file_;
    std::string head_;
};

}  // namespace zuvediv
