#include "ocr/page_recognition.h"

#include "ocr/ocr_engine.h"
#include "ocr/orientation.h"
#include "ocr/page_frames.h"

namespace zuvediv {
namespace {

// Mean word confidence of a reading that needs no second look: upright
// scans of print read at 85 to 95, the same pages upside down or on their
// side, or vertical text read as horizontal, at 25 to 40.
constexpr double kReadsWell = 60;
// A reading turned as the orientation model says is kept unless it is
// clearly worse than the one as the page lies.
constexpr double kTurnedMayLoseBy = 5;
// Around a vertical block cut out to be read again, in pixels.
constexpr double kBlockMargin = 8;

Box padded(const Box& b) { return {b.x0 - kBlockMargin, b.y0 - kBlockMargin, b.x1 + kBlockMargin, b.y1 + kBlockMargin}; }

// Vertical Japanese read by its own model: the block turned a quarter
// counter-clockwise, so that its columns run left to right, top first.
void read_vertical_blocks(Recognition& reading, const GreyImage& image, int dpi, const std::function<void()>& still_going) {
    for (RecognisedBlock& block : reading.blocks) {
        if (!block.vertical) continue;
        const Box around = padded(block.box);
        const GreyImage part = cut_out(image, around);
        if (part.width == 0 || part.height == 0) continue;
        Recognition down = read_image(turned(part, 3), dpi, Model::vertical, Layout::one_block, still_going);
        if (confidence(down) <= confidence(block.lines)) continue;
        move_onto_page(down, cut_placement(image, around).then(turned_placement(3, part.width, part.height)));
        block.lines.clear();
        for (RecognisedBlock& read : down.blocks)
            block.lines.insert(block.lines.end(), read.lines.begin(), read.lines.end());
    }
}

}  // namespace

Recognition recognise_page(const GreyImage& page, int dpi, const std::function<void()>& still_going) {
    Recognition reading = read_image(page, dpi, Model::horizontal, Layout::page, still_going);
    if (confidence(reading) >= kReadsWell && !has_vertical_block(reading)) return reading;
    const int turns = turns_to_upright(page, dpi);
    if (turns != 0) {
        const GreyImage upright = turned(page, turns);
        Recognition turned_reading = read_image(upright, dpi, Model::horizontal, Layout::page, still_going);
        if (confidence(turned_reading) >= confidence(reading) - kTurnedMayLoseBy) {
            read_vertical_blocks(turned_reading, upright, dpi, still_going);
            move_onto_page(turned_reading, turned_placement(turns, page.width, page.height));
            return turned_reading;
        }
    }
    read_vertical_blocks(reading, page, dpi, still_going);
    return reading;
}

}  // namespace zuvediv
