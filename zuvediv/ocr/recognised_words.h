#pragma once
// What the recogniser read on a page, turned into the words the text layer
// would give: the same joining then makes the page's text, so matching,
// the cache and frames treat both alike.
#include <vector>

#include "ocr/recognition.h"
#include "text/page_text.h"

namespace zuvediv {

// Boxes scaled to points, words running in the direction of their line.
// The recogniser puts a blank between any two words, also between Japanese
// characters a layer would run together: a blank is kept only where one
// side is not a wide character.
std::vector<WordBox> to_word_boxes(const std::vector<RecognisedWord>& words, double points_per_pixel, int rotation = 0);
std::vector<WordBox> to_word_boxes(const Recognition& reading, double points_per_pixel);

}  // namespace zuvediv
