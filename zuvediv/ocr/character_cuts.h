#pragma once
// The recogniser places characters only roughly: along a line its
// character boxes drift by up to a character and cover their neighbours.
// Within a line, the cuts between characters are put into the gaps of the
// ink, where widths fit the characters (a wide character takes about one
// em, a narrow one half) and near the recogniser's places, so that each
// box holds its own character's ink and nothing of its neighbours.
#include <cstdint>
#include <vector>

#include "ocr/recognition.h"

namespace zuvediv {

// The page image as the recogniser saw it: ink or paper.
struct InkImage {
    int width = 0, height = 0;
    std::vector<uint8_t> ink;
    bool at(int x, int y) const { return ink[static_cast<size_t>(y) * width + x] != 0; }
};

// A line that runs left to right in the image; its symbols' boxes, then its
// words' and its own, are refitted.
void fit_to_ink(RecognisedLine& line, const InkImage& ink);

}  // namespace zuvediv
