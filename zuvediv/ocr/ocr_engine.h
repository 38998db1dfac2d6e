#pragma once
// The recogniser, Japanese and English. Loading its language data takes
// longer than reading a page, so each process makes one, on its first page
// that needs it, and keeps it. Missing language data, or a page it gives up
// on, throws: the document is reported as skipped, never as without hits.
// The symbols of horizontal lines are fitted to the ink the recogniser saw
// (character_cuts.h).
#include <functional>

#include "ocr/grey_page.h"
#include "ocr/recognition.h"

namespace zuvediv {

// Boxes in pixels of the image. still_going is called as words are read:
// a page takes seconds.
Recognition recognise(const GreyImage& image, int dpi, const std::function<void()>& still_going);

}  // namespace zuvediv
