#pragma once
// A page's text: its text layer, or, for a page whose layer holds no text
// but that has something drawn on it, what the recogniser reads there. A
// page whose layer holds only a few characters while most of it is painted
// over (a scan with a receipt number stamped on as text) is recognised too,
// its layer's characters blanked out of the image first, so that both
// count and each hit is found once.
#include <cstdint>
#include <functional>
#include <optional>

#include "text/page_text.h"

namespace poppler { class page; }

namespace zuvediv {

// Where a page's text came from; the cache keeps it with the text, so a
// search with recognition never takes a page that was not recognised for
// empty, and one without never sees recognised text.
enum class PageSource {
    text_layer = 0,
    recognised = 1,
    not_recognised = 2,     // recognition off: the layer's text, and the page would have been recognised
    partly_recognised = 3,  // the layer's text, a line break, and what was recognised
};

// The source a stored number names, or nothing for a number that names none.
inline std::optional<PageSource> stored_page_source(int64_t stored) {
    if (stored < 0 || stored > static_cast<int64_t>(PageSource::partly_recognised)) return std::nullopt;
    return static_cast<PageSource>(stored);
}

// Whether the recogniser read (some of) the page.
inline bool read_by_recogniser(PageSource source) {
    return source == PageSource::recognised || source == PageSource::partly_recognised;
}

struct PageReading {
    PageText text;
    PageSource source = PageSource::text_layer;
};

// Resolution of the page image the recogniser reads: on scans drawn at
// 200 dpi in 11 and 8 point type, 300 dpi found no more and cost up to a
// third more time.
constexpr int kRecognitionDpi = 200;

bool holds_no_text(const PageText& text);
// A layer of at most this many characters on a page painted over for the
// most part is not the page's text: a line of stamped text holds 10 to 40.
constexpr size_t kFewCharacters = 100;
constexpr double kMostlyPainted = 0.5;
// still_going is called now and then while the recogniser reads.
PageReading read_page(const poppler::page& page, bool recognise_scans, const std::function<void()>& still_going);

}  // namespace zuvediv
