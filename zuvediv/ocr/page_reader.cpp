#include "ocr/page_reader.h"

#include <algorithm>

#include <unicode/uchar.h>

#include "ocr/page_recognition.h"
#include "ocr/recognised_words.h"

namespace zuvediv {

bool holds_no_text(const PageText& text) {
    return std::all_of(text.chars.begin(), text.chars.end(),
                       [](char32_t c) { return u_isUWhiteSpace(static_cast<UChar32>(c)) || c == 0xFEFF || c == 0x200B; });
}

PageReading read_page(const poppler::page& page, bool recognise_scans, const std::function<void()>& still_going) {
    PageReading reading{read_page_text(page), PageSource::text_layer};
    if (!holds_no_text(reading.text)) return reading;
    if (!recognise_scans) {
        reading.source = PageSource::not_recognised;
        return reading;
    }
    const GreyImage image = render_grey(page, kRecognitionDpi);
    if (!has_ink(image)) return reading;
    reading.text = join_words(to_word_boxes(recognise_page(image, kRecognitionDpi, still_going), 72.0 / kRecognitionDpi));
    reading.source = PageSource::recognised;
    return reading;
}

}  // namespace zuvediv
