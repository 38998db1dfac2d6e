#pragma once
// A page's text: its text layer, or, for a page whose layer holds no text
// but that has something drawn on it, what the recogniser reads there.
#include <functional>

#include "text/page_text.h"

namespace poppler { class page; }

namespace zuvediv {

// Where a page's text came from; the cache keeps it with the text, so a
// search with recognition never takes a page that was not recognised for
// empty, and one without never sees recognised text.
enum class PageSource {
    text_layer = 0,
    recognised = 1,
    not_recognised = 2,  // no text in its layer, recognition off
};

struct PageReading {
    PageText text;
    PageSource source = PageSource::text_layer;
};

// Resolution of the page image the recogniser reads: on scans drawn at
// 200 dpi in 11 and 8 point type, 300 dpi found no more and cost up to a
// third more time.
constexpr int kRecognitionDpi = 200;

bool holds_no_text(const PageText& text);
// still_going is called now and then while the recogniser reads.
PageReading read_page(const poppler::page& page, bool recognise_scans, const std::function<void()>& still_going);

}  // namespace zuvediv
