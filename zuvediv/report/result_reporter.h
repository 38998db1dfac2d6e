#pragma once
// Takes documents' results as the workers finish them and reports them in
// file order: each searched document to whoever writes the list, a
// progress line with -v, and the run's counts.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "documents/document_search.h"
#include "report/folder_display.h"

namespace zuvediv {

struct Totals {
    size_t files = 0;
    size_t searched = 0;
    size_t pages = 0;
    size_t hits = 0;
    size_t from_cache = 0;
    size_t recognised_pages = 0;
    std::vector<std::string> skipped;  // "file: reason"
    std::vector<std::string> image_errors;
};

// Given each searched document, in file order.
using SearchedDocument = std::function<void(const PdfFile& file, const DocumentResult& result)>;

class ResultReporter {
public:
    ResultReporter(const DocumentList& documents, SearchedDocument searched, bool verbose);
    void accept(size_t index, DocumentResult result);
    // A page of the document was read by the recogniser (page from 0).
    void page_recognised(size_t index, int page) const;
    // Reports documents whose result never came as skipped.
    void finish();
    const Totals& totals() const { return totals_; }

private:
    void report_ready();
    void report(const PdfFile& file, const DocumentResult& result);
    void print_progress(const std::string& shown, const DocumentResult& result) const;

    const DocumentList& documents_;
    SearchedDocument searched_;
    bool verbose_;
    std::vector<std::optional<DocumentResult>> results_;
    size_t next_to_report_ = 0;
    Totals totals_;
};

}  // namespace zuvediv
