#pragma once
// Which way up a scan lies, by the recogniser's orientation model (osd).
#include "ocr/grey_page.h"

namespace zuvediv {

// Quarter turns clockwise that make the page's text upright; 0 when the
// model finds too little text to tell. Its answer is taken however unsure
// (on a page of a few lines it is right, though with little confidence):
// the reading turned so is kept only if it reads as well.
int turns_to_upright(const GreyImage& image, int dpi);

}  // namespace zuvediv
