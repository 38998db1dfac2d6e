#include "documents/page_parts.h"

#include <algorithm>

namespace zuvediv {
namespace {

// Measured on a merged 2,000-page report: opening it and reaching a page
// deep inside costs a second worker about as much as reading ten pages, so
// a document is split only where that is a small share of what it saves.
constexpr int kSplitAbovePages = 64;
// Short parts let the workers finish together; a part costs a round trip
// and, with the cache, one transaction.
constexpr int kPartPages = 16;

}  // namespace

int SplitPlan::first_part_end(int pages) const {
    return split_above > 0 && pages > split_above ? part_pages : pages;
}

int SplitPlan::part_end(int first, int pages) const {
    return std::min(first + part_pages, pages);
}

SplitPlan split_plan(int workers) {
    if (workers < 2) return SplitPlan{};
    return SplitPlan{kSplitAbovePages, kPartPages};
}

}  // namespace zuvediv
