#pragma once
// Searches one PDF and, if asked, saves framed images of the pages with
// hits. Runs inside a worker process; the result travels back by value.
#include <functional>
#include <string>
#include <vector>

#include "pdf/document_status.h"
#include "pdf/kept_pdf.h"
#include "pdf/page_parts.h"
#include "output/hit_frames.h"
#include "ocr/page_reader.h"
#include "output/image_files.h"
#include "text/page_hits.h"
#include "text/phrase_matcher.h"
#include "text/text_folding.h"

namespace zuvediv {


struct DocumentResult {
    DocumentStatus status = DocumentStatus::searched;
    std::string detail;  // of a status other than searched
    int pages = 0;
    std::vector<DocumentHit> hits;
    std::vector<std::string> image_errors;
    bool from_cache = false;  // matched from stored page text
    int rest_from = 0;  // a split document's first part: the pages from here on are left to other parts
    int recognised_pages = 0;  // read by the recogniser
    int library_messages = 0;  // lines the libraries printed on their own while it was read
};

// A document being read is still going: told now and then while a page is
// read, and once for each page read by the recogniser.
struct PageProgress {
    int page = 0;  // from 0
    bool recognised = false;
};

struct ImageRequest {
    ImageFormat format = ImageFormat::png;
    int dpi = 150;
    FrameStyle style;
    std::string folder;  // where this document's images go
    std::string stem;    // file name without ".pdf"
};

struct DocumentSearchRequest {
    const TextFolder* folding = nullptr;
    const PhraseMatcher* matcher = nullptr;
    std::string password;
    const ImageRequest* images = nullptr;  // null: no images
    const std::vector<int>* only_pages = nullptr;  // sorted page numbers; null: all
    bool recognise_scans = true;  // false: the text layer only
    WorkUnit part{};  // which of the pages to read
    SplitPlan split{};
    KeptPdf* kept = nullptr;  // keeps a split document open for its next part; null: opened here
    // Given each page's text to keep, unless the document is encrypted.
    std::function<void(int page_index, const std::u32string& chars, PageSource source)> keep_page_text = nullptr;
    std::function<void(const PageProgress& progress)> progress = nullptr;
};

// A document that was not searched, and why.
DocumentResult unread(DocumentStatus status, std::string detail = "");
std::string unread_reason(const DocumentResult& result);

DocumentResult search_document(const std::string& pdf_path, const DocumentSearchRequest& request);

std::string image_file_name(const std::string& stem, int page, ImageFormat format);

}  // namespace zuvediv
