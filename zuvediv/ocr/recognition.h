#pragma once
// What the recogniser read on a page image: blocks of lines of words of
// symbols, each with its box in pixels of the image it read.
#include <string>
#include <vector>

#include "text/page_text.h"

namespace zuvediv {

struct RecognisedSymbol {
    std::u32string text;  // usually one code point
    Box box;
};

struct RecognisedWord {
    std::vector<RecognisedSymbol> symbols;
    Box box;
    double confidence = 0;  // 0 to 100, the recogniser's own
};

struct RecognisedLine {
    std::vector<RecognisedWord> words;
    Box box;
    double slope = 0;   // of its baseline: y per x
    int direction = 0;  // quarter turns clockwise of its reading direction (as WordBox::rotation)
};

struct RecognisedBlock {
    std::vector<RecognisedLine> lines;
    Box box;
    bool vertical = false;  // the recogniser found its lines running downwards
};

struct Recognition {
    std::vector<RecognisedBlock> blocks;
};

// The mean confidence of the words, each weighted by its characters; 0
// when nothing was read.
double confidence(const std::vector<RecognisedLine>& lines);
double confidence(const Recognition& reading);
bool has_vertical_block(const Recognition& reading);

}  // namespace zuvediv
