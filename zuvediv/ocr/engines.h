#pragma once
// The recogniser's models. Loading one takes longer than reading a page,
// so each process loads a model on its first page that needs it and keeps
// it: horizontal Japanese and English for every scan, vertical Japanese
// and the orientation model only where a page needs them. A model that
// cannot be loaded throws: the document is reported, never taken for a
// page without words.
#include <tesseract/baseapi.h>

namespace zuvediv {

enum class Model {
    horizontal,   // jpn+eng
    vertical,     // jpn_vert: lines turned a quarter, characters on their sides
    orientation,  // osd
};

tesseract::TessBaseAPI& engine_for(Model model);

}  // namespace zuvediv
