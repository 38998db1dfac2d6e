#include "ocr/page_frames.h"

#include <algorithm>
#include <cmath>

namespace zuvediv {
namespace {

struct PixelRange {
    int x0, y0, x1, y1;
};

PixelRange clipped(const GreyImage& image, const Box& box) {
    return {std::clamp(static_cast<int>(std::floor(box.x0)), 0, image.width),
            std::clamp(static_cast<int>(std::floor(box.y0)), 0, image.height),
            std::clamp(static_cast<int>(std::ceil(box.x1)), 0, image.width),
            std::clamp(static_cast<int>(std::ceil(box.y1)), 0, image.height)};
}

}  // namespace

Box Placement::on_page(const Box& box) const {
    const double ax = xx * box.x0 + xy * box.y0 + x0, ay = yx * box.x0 + yy * box.y0 + y0;
    const double bx = xx * box.x1 + xy * box.y1 + x0, by = yx * box.x1 + yy * box.y1 + y0;
    return {std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
}

Placement Placement::then(const Placement& inner) const {
    Placement out;
    out.xx = xx * inner.xx + xy * inner.yx;
    out.xy = xx * inner.xy + xy * inner.yy;
    out.x0 = xx * inner.x0 + xy * inner.y0 + x0;
    out.yx = yx * inner.xx + yy * inner.yx;
    out.yy = yx * inner.xy + yy * inner.yy;
    out.y0 = yx * inner.x0 + yy * inner.y0 + y0;
    out.turns = (turns + inner.turns) % 4;
    return out;
}

GreyImage turned(const GreyImage& image, int quarter_turns) {
    const int q = ((quarter_turns % 4) + 4) % 4, w = image.width, h = image.height;
    if (q == 0) return image;
    GreyImage out;
    out.width = q == 2 ? w : h;
    out.height = q == 2 ? h : w;
    out.bytes_per_row = out.width;
    out.pixels.resize(static_cast<size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        uint8_t* row = out.pixels.data() + static_cast<size_t>(y) * out.width;
        for (int x = 0; x < out.width; ++x) {
            const int sx = q == 1 ? y : q == 2 ? w - 1 - x : w - 1 - y;
            const int sy = q == 1 ? h - 1 - x : q == 2 ? h - 1 - y : x;
            row[x] = image.row(sy)[sx];
        }
    }
    return out;
}

Placement turned_placement(int quarter_turns, int width, int height) {
    Placement p;
    p.turns = ((quarter_turns % 4) + 4) % 4;
    const double w = width, h = height;
    switch (p.turns) {
        case 1: p = {0, 1, 0, -1, 0, h, 1}; break;
        case 2: p = {-1, 0, w, 0, -1, h, 2}; break;
        case 3: p = {0, -1, w, 1, 0, 0, 3}; break;
        default: break;
    }
    return p;
}

GreyImage cut_out(const GreyImage& image, const Box& box) {
    const PixelRange r = clipped(image, box);
    GreyImage out;
    out.width = std::max(0, r.x1 - r.x0);
    out.height = std::max(0, r.y1 - r.y0);
    out.bytes_per_row = out.width;
    out.pixels.reserve(static_cast<size_t>(out.width) * out.height);
    for (int y = r.y0; y < r.y0 + out.height; ++y) out.pixels.insert(out.pixels.end(), image.row(y) + r.x0, image.row(y) + r.x1);
    return out;
}

Placement cut_placement(const GreyImage& image, const Box& box) {
    const PixelRange r = clipped(image, box);
    Placement p;
    p.x0 = r.x0;
    p.y0 = r.y0;
    return p;
}

void move_onto_page(Recognition& reading, const Placement& placement) {
    for (RecognisedBlock& block : reading.blocks) {
        block.box = placement.on_page(block.box);
        for (RecognisedLine& line : block.lines) {
            line.box = placement.on_page(line.box);
            line.direction = (line.direction + 4 - placement.turns) % 4;
            for (RecognisedWord& word : line.words) {
                word.box = placement.on_page(word.box);
                for (RecognisedSymbol& symbol : word.symbols) symbol.box = placement.on_page(symbol.box);
            }
        }
    }
}

}  // namespace zuvediv
