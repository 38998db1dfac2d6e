#pragma once
// A big document is read in parts of its pages by several workers at once.
// Only a worker opens a document, so the page count is first known to the
// worker reading the first part: it reads all of a small document, or the
// first pages of a big one and leaves the rest to later parts.
#include <cstddef>

namespace zuvediv {

// Measured on a merged 2,000-page report: opening it and reaching a page
// deep inside costs a second worker about as much as reading ten pages, so
// a document is split only where that is a small share of what it saves.
constexpr int kSplitAbovePages = 64;
// Short parts let the workers finish together; a part costs a round trip
// and, with the cache, one transaction.
constexpr int kPartPages = 16;

struct SplitPlan {
    int split_above = 0;  // pages; 0: documents are never split
    int part_pages = 0;
    // Where the first part of a document of this many pages ends.
    int first_part_end(int pages) const;
    // Where the part beginning at first ends.
    int part_end(int first, int pages) const;
};

// Splits documents only when there is another worker to share them.
SplitPlan split_plan(int workers);

// What one worker reads: the pages first_page.. before end_page (from 0);
// end_page 0 is a document's first part, whose end the page count decides.
struct WorkUnit {
    size_t document = 0;
    int first_page = 0;
    int end_page = 0;
    bool is_first_part() const { return end_page == 0; }
};

}  // namespace zuvediv
