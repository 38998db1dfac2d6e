#pragma once
// One reading of an image by the recogniser: its blocks, lines, words and
// symbols, the symbols of horizontal lines fitted to the ink the
// recogniser saw (character_cuts.h). A page the recogniser gives up on
// throws, as a model it cannot load does.
#include <functional>

#include "ocr/engines.h"
#include "ocr/grey_page.h"
#include "ocr/recognition.h"

namespace zuvediv {

enum class Layout {
    page,       // find the blocks and which way their lines run
    one_block,  // the whole image is one block of lines running left to right
};

// Boxes in pixels of the image. still_going is called as words are read:
// a page takes seconds.
Recognition read_image(const GreyImage& image, int dpi, Model model, Layout layout,
                       const std::function<void()>& still_going);

}  // namespace zuvediv
