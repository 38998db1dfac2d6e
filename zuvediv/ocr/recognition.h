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
};

struct RecognisedLine {
    std::vector<RecognisedWord> words;
    Box box;
    double slope = 0;  // of its baseline: y per x
};

struct RecognisedBlock {
    std::vector<RecognisedLine> lines;
    Box box;
    bool vertical = false;  // the recogniser found its lines running downwards
};

struct Recognition {
    std::vector<RecognisedBlock> blocks;
};

}  // namespace zuvediv
