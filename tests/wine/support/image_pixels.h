#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A decoded image as 8-bit RGB(A) rows, read with the platform's imaging component.
struct DecodedImage {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<uint8_t> bgra;  // 4 bytes a pixel
    bool Valid() const { return width > 0 && height > 0; }
};

DecodedImage DecodeImageFile(const std::wstring& path);
