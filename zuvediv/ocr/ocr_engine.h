#pragma once
// The recogniser, Japanese and English. Loading its language data takes
// longer than reading a page, so each process makes one, on its first page
// that needs it, and keeps it.
#include <functional>
#include <stdexcept>
#include <vector>

#include "ocr/grey_page.h"
#include "ocr/recognised_words.h"

namespace zuvediv {

// The language data is missing or unreadable.
struct RecogniserUnavailable : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Words in reading order, boxes in pixels of the image. still_going is
// called as words are read: a page takes seconds.
std::vector<RecognisedWord> recognise(const GreyImage& image, int dpi, const std::function<void()>& still_going);

}  // namespace zuvediv
