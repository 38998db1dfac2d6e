#pragma once
// What a worker is told, on every platform, since it shares no memory with
// the coordinator: once, how to search (the setup); then, for each part it
// reads, the document, its pages, whether its text is kept for the cache
// and where its images go (an order).
#include <optional>
#include <string>
#include <vector>

#include "documents/document_search.h"
#include "text/phrase_matcher.h"
#include "text/text_folding.h"
#include "workers/worker_loop.h"

namespace zuvediv {

struct WorkerSetup {
    std::string phrase;  // UTF-8, as given
    bool exact_case = false;
    bool no_normalise = false;
    std::string password;
    bool recognise_scans = true;
    std::optional<ImageRequest> images;  // folder and stem come with each order
    SplitPlan split{};
};

// The phrase folded as the setup says, and the folding the pages' text gets
// to be compared with it: the coordinator matches stored pages with these,
// the workers the pages they read.
struct SearchTerms {
    explicit SearchTerms(const WorkerSetup& setup);
    TextFolder folding;
    PhraseMatcher matcher;
};

struct WorkOrder {
    WorkUnit part{};
    std::string pdf_path;
    std::optional<std::vector<int>> only_pages;  // none: all
    bool keep_text = false;                      // send the pages' text for the cache
    std::string image_folder, image_stem;        // with images
};

std::string encode_setup(const WorkerSetup& setup);
std::optional<WorkerSetup> decode_setup(const std::string& bytes);
std::string encode_order(const WorkOrder& order);
std::optional<WorkOrder> decode_order(const std::string& bytes);

// A worker's work: searches the document of each order as the setup says.
DocumentWork document_worker(const std::string& setup);

}  // namespace zuvediv
