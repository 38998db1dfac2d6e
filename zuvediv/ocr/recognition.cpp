#include "ocr/recognition.h"

#include <algorithm>

namespace zuvediv {
namespace {

struct Tally {
    double weighted = 0;
    size_t characters = 0;
    void add(const std::vector<RecognisedLine>& lines) {
        for (const RecognisedLine& line : lines) {
            for (const RecognisedWord& word : line.words) {
                weighted += word.confidence * word.symbols.size();
                characters += word.symbols.size();
            }
        }
    }
    double mean() const { return characters ? weighted / characters : 0; }
};

}  // namespace

double confidence(const std::vector<RecognisedLine>& lines) {
    Tally tally;
    tally.add(lines);
    return tally.mean();
}

double confidence(const Recognition& reading) {
    Tally tally;
    for (const RecognisedBlock& block : reading.blocks) tally.add(block.lines);
    return tally.mean();
}

bool has_vertical_block(const Recognition& reading) {
    return std::any_of(reading.blocks.begin(), reading.blocks.end(), [](const RecognisedBlock& b) { return b.vertical; });
}

}  // namespace zuvediv
