#include "ocr/page_reader.h"

#include <algorithm>

#include <unicode/uchar.h>

#include "ocr/page_recognition.h"
#include "ocr/painted_share.h"
#include "ocr/recognised_words.h"
#include "text/phrase_matcher.h"

namespace zuvediv {
namespace {

bool shows_nothing(char32_t c) { return u_isUWhiteSpace(static_cast<UChar32>(c)) || c == 0xFEFF || c == 0x200B; }

bool few_characters(const PageText& text) {
    return static_cast<size_t>(std::count_if(text.chars.begin(), text.chars.end(), [](char32_t c) { return !shows_nothing(c); })) <=
           kFewCharacters;
}

bool needs_recognising(const poppler::page& page, const PageText& layer) {
    return holds_no_text(layer) || (few_characters(layer) && painted_share(page) > kMostlyPainted);
}

// The layer's characters are already the page's text; drawn on the page
// image, they would be recognised a second time.
void blank_out(GreyImage& image, const PageText& layer) {
    const double scale = kRecognitionDpi / 72.0;
    for (const Box& box : layer.boxes) {
        if (!box.empty()) paint_paper(image, {box.x0 * scale - 1, box.y0 * scale - 1, box.x1 * scale + 1, box.y1 * scale + 1});
    }
}

}  // namespace

bool holds_no_text(const PageText& text) { return std::all_of(text.chars.begin(), text.chars.end(), shows_nothing); }

PageReading read_page(const poppler::page& page, bool recognise_scans, const std::function<void()>& still_going) {
    PageReading reading{read_page_text(page), PageSource::text_layer};
    if (!needs_recognising(page, reading.text)) return reading;
    if (!recognise_scans) {
        reading.source = PageSource::not_recognised;
        return reading;
    }
    const bool layer_empty = holds_no_text(reading.text);
    GreyImage image = render_grey(page, kRecognitionDpi);
    if (!layer_empty) blank_out(image, reading.text);
    if (!has_ink(image)) return reading;
    const PageText recognised =
        join_words(to_word_boxes(recognise_page(image, kRecognitionDpi, still_going), 72.0 / kRecognitionDpi));
    if (layer_empty) {
        reading = {recognised, PageSource::recognised};
        return reading;
    }
    reading.text.add(kLineBreak, Box{});
    reading.text.chars += recognised.chars;
    reading.text.boxes.insert(reading.text.boxes.end(), recognised.boxes.begin(), recognised.boxes.end());
    reading.source = PageSource::partly_recognised;
    return reading;
}

}  // namespace zuvediv
