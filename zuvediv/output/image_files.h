#pragma once
// Saves rendered pages. Settings favour speed: the images are for a quick
// look at the hits, and must not cost more than rendering them.
#include <string>
#include <string_view>

#include "output/hit_frames.h"

namespace zuvediv {

enum class ImageFormat { png, jpeg, tiff };

struct ImageFormatName {
    ImageFormat format;
    const char* option_value;  // as -F takes it
    const char* extension;
};

inline constexpr ImageFormatName kImageFormats[] = {
    {ImageFormat::png, "png", "png"}, {ImageFormat::jpeg, "jpeg", "jpg"}, {ImageFormat::tiff, "tiff", "tif"}};

const ImageFormatName* find_image_format(std::string_view option_value);
std::string image_format_names();  // "png, jpeg, tiff"
const char* file_extension(ImageFormat format);

// Returns an empty string on success, else the reason.
std::string write_image(const RgbImage& image, ImageFormat format, const std::string& path, int dpi);

}  // namespace zuvediv
