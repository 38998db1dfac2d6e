#pragma once
// A scanned page read whichever way up it lies. The page is read as it
// lies first; only a page that reads badly so (or whose lines run
// downwards) is shown to the orientation model, read again turned upright
// when the model says so and that reading is as good, and its vertical
// blocks are read again with the vertical Japanese model. An upright page
// that reads well costs one reading, as before.
#include <functional>

#include "ocr/grey_page.h"
#include "ocr/recognition.h"

namespace zuvediv {

// Boxes in pixels of the page image, each line with the direction it runs
// on the page.
Recognition recognise_page(const GreyImage& page, int dpi, const std::function<void()>& still_going);

}  // namespace zuvediv
