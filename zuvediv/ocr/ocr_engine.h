#pragma once
// The recogniser, Japanese and English. Loading its language data takes
// longer than reading a page, so each process makes one, on its first page
// that needs it, and keeps it. Missing language data, or a page it gives up
// on, throws: the document is reported as skipped, never as without hits.
#include <functional>
#include <vector>

#include "ocr/grey_page.h"
#include "ocr/recognised_words.h"

namespace zuvediv {

// Words in reading order, boxes in pixels of the image. still_going is
// called as words are read: a page takes seconds.
std::vector<RecognisedWord> recognise(const GreyImage& image, int dpi, const std::function<void()>& still_going);

}  // namespace zuvediv
