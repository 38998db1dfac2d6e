#include "workers/part_queue.h"

#include <iterator>

namespace zuvediv {
namespace {

void append(DocumentResult& to, DocumentResult& part) {
    to.hits.insert(to.hits.end(), std::make_move_iterator(part.hits.begin()), std::make_move_iterator(part.hits.end()));
    to.image_errors.insert(to.image_errors.end(), std::make_move_iterator(part.image_errors.begin()),
                           std::make_move_iterator(part.image_errors.end()));
    to.recognised_pages += part.recognised_pages;
    to.library_messages += part.library_messages;
}

}  // namespace

PartQueue::PartQueue(size_t documents, std::chrono::milliseconds time_limit, SplitPlan plan)
    : time_limit_(time_limit), plan_(plan), documents_(documents) {}

std::optional<WorkUnit> PartQueue::next(Clock::time_point now) {
    if (!splitting_.empty()) {
        const size_t index = *splitting_.begin();
        Document& doc = documents_[index];
        const WorkUnit unit{index, doc.next_first, plan_.part_end(doc.next_first, doc.pages)};
        doc.next_first = unit.end_page;
        if (doc.next_first >= doc.pages) splitting_.erase(splitting_.begin());
        return unit;
    }
    if (next_new_ >= documents_.size()) return std::nullopt;
    documents_[next_new_].deadline = now + time_limit_;
    return WorkUnit{next_new_++, 0, 0};
}

std::optional<DocumentResult> PartQueue::part_done(const WorkUnit& unit, DocumentResult result) {
    Document& doc = documents_.at(unit.document);
    if (doc.settled) return std::nullopt;
    if (result.status != DocumentStatus::searched) return settle(doc, unit.document, std::move(result));
    if (unit.is_first_part()) return first_part_done(doc, unit.document, std::move(result));
    // Each worker counts the pages itself; they differ if the file changed.
    if (result.pages != doc.pages) return settle(doc, unit.document, unread(DocumentStatus::changed_while_read));
    doc.early.emplace(unit.first_page, std::make_pair(unit.end_page, std::move(result)));
    merge_in_order(doc);
    if (doc.merged_to < doc.pages) return std::nullopt;
    DocumentResult whole = std::move(doc.merged);
    whole.pages = doc.pages;
    return settle(doc, unit.document, std::move(whole));
}

std::optional<DocumentResult> PartQueue::first_part_done(Document& doc, size_t index, DocumentResult result) {
    const int rest = result.rest_from;
    if (rest <= 0 || rest >= result.pages) {
        result.rest_from = 0;
        return settle(doc, index, std::move(result));
    }
    doc.pages = result.pages;
    doc.next_first = doc.merged_to = rest;
    doc.merged = std::move(result);
    doc.merged.rest_from = 0;
    splitting_.insert(index);
    return std::nullopt;
}

void PartQueue::merge_in_order(Document& doc) {
    while (!doc.early.empty() && doc.early.begin()->first == doc.merged_to) {
        auto& [end, part] = doc.early.begin()->second;
        append(doc.merged, part);
        doc.merged_to = end;
        doc.early.erase(doc.early.begin());
    }
}

std::optional<DocumentResult> PartQueue::settle(Document& doc, size_t index, DocumentResult result) {
    doc.settled = true;
    doc.early.clear();
    doc.merged = DocumentResult{};
    splitting_.erase(index);
    return result;
}

}  // namespace zuvediv
