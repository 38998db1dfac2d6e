#include "output/hit_frames.h"

#include <algorithm>
#include <cmath>

namespace zuvediv {
namespace {

struct PixelRect {
    int x0, y0, x1, y1;  // x1, y1 exclusive
};

void mark(std::vector<uint8_t>& mask, int width, int height, PixelRect r) {
    r.x0 = std::max(r.x0, 0);
    r.y0 = std::max(r.y0, 0);
    r.x1 = std::min(r.x1, width);
    r.y1 = std::min(r.y1, height);
    if (r.x0 >= r.x1) return;  // wholly left or right of the image
    for (int y = r.y0; y < r.y1; ++y) {
        std::fill(mask.begin() + static_cast<size_t>(y) * width + r.x0,
                  mask.begin() + static_cast<size_t>(y) * width + r.x1, uint8_t{1});
    }
}

}  // namespace

void draw_frames(RgbImage& image, const std::vector<Box>& boxes, const FrameStyle& style) {
    if (boxes.empty() || image.width <= 0 || image.height <= 0) return;
    const int w = image.width;
    const int h = image.height;
    std::vector<uint8_t> mask(static_cast<size_t>(w) * h, 0);
    const int lw = std::max(1, style.line_width);
    for (const Box& b : boxes) {
        const int x0 = static_cast<int>(std::floor(b.x0)) - kFrameGap;
        const int y0 = static_cast<int>(std::floor(b.y0)) - kFrameGap;
        const int x1 = static_cast<int>(std::ceil(b.x1)) + kFrameGap;
        const int y1 = static_cast<int>(std::ceil(b.y1)) + kFrameGap;
        mark(mask, w, h, {x0 - lw, y0 - lw, x1 + lw, y0});  // top
        mark(mask, w, h, {x0 - lw, y1, x1 + lw, y1 + lw});  // bottom
        mark(mask, w, h, {x0 - lw, y0, x0, y1});            // left
        mark(mask, w, h, {x1, y0, x1 + lw, y1});            // right
    }
    const int alpha = std::clamp(style.opacity_tenths, 0, 10);
    const int colour[3] = {static_cast<int>((style.colour >> 16) & 0xFF),
                           static_cast<int>((style.colour >> 8) & 0xFF),
                           static_cast<int>(style.colour & 0xFF)};
    for (int y = 0; y < h; ++y) {
        const uint8_t* m = mask.data() + static_cast<size_t>(y) * w;
        uint8_t* px = image.row(y);
        for (int x = 0; x < w; ++x) {
            if (!m[x]) continue;
            for (int c = 0; c < 3; ++c) {
                const int mixed = colour[c] * alpha + px[3 * x + c] * (10 - alpha);
                px[3 * x + c] = static_cast<uint8_t>((mixed + 5) / 10);
            }
        }
    }
}

}  // namespace zuvediv
