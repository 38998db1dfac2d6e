#include "pdf/page_parts.h"

#include <algorithm>

namespace zuvediv {

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
