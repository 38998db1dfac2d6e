#pragma once
// The coordinator's queue of work: each document's first part in file order,
// and the later parts of a split document, as soon as its first part told
// the page count, ahead of documents not yet begun, so that workers share it
// and finish together. The parts' results are put back together in page
// order; the first part that fails costs the whole document, once.
//
// The time limit of a document counts the time in which none of its parts,
// whichever workers read them, has read on.
#include <chrono>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "documents/document_search.h"
#include "pdf/page_parts.h"

namespace zuvediv {

class PartQueue {
public:
    using Clock = std::chrono::steady_clock;

    PartQueue(size_t documents, std::chrono::milliseconds time_limit, SplitPlan plan);

    // The next part to read; none while nothing is ready.
    std::optional<WorkUnit> next(Clock::time_point now);
    Clock::time_point deadline(const WorkUnit& unit) const { return documents_.at(unit.document).deadline; }
    // A part of the document read on: its time limit starts again.
    void progressed(size_t document, Clock::time_point now) { documents_.at(document).deadline = now + time_limit_; }
    // Takes a part's result; gives the document's whole result once its last
    // part is in, or its first failure.
    std::optional<DocumentResult> part_done(const WorkUnit& unit, DocumentResult result);
    // Whether next() has a part to give now.
    bool has_ready() const { return !splitting_.empty() || next_new_ < documents_.size(); }

private:
    struct Document {
        Clock::time_point deadline;
        int pages = 0;
        int next_first = 0;  // where the next part to hand out begins
        int merged_to = 0;   // the pages before this are in `merged`
        DocumentResult merged;
        std::map<int, std::pair<int, DocumentResult>> early;  // first page: end, result
        bool settled = false;
    };

    std::optional<DocumentResult> first_part_done(Document& doc, size_t index, DocumentResult result);
    std::optional<DocumentResult> settle(Document& doc, size_t index, DocumentResult result);
    void merge_in_order(Document& doc);

    const std::chrono::milliseconds time_limit_;
    const SplitPlan plan_;
    std::vector<Document> documents_;
    std::set<size_t> splitting_;  // documents with parts left to hand out
    size_t next_new_ = 0;
};

}  // namespace zuvediv
