#pragma once
// Reads back the page images the tool wrote, with the same libraries.
#include <cstdint>
#include <string>
#include <vector>

namespace zuvediv_test {

struct Pixel {
    uint8_t r, g, b;
};

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
    Pixel at(int x, int y) const {
        const size_t i = (static_cast<size_t>(y) * width + x) * 3;
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }
};

DecodedImage read_png(const std::string& path);
DecodedImage read_jpeg(const std::string& path);
DecodedImage read_tiff(const std::string& path);

}  // namespace zuvediv_test
