#pragma once
// Saves rendered pages. Settings favour speed: the images are for a quick
// look at the hits, and must not cost more than rendering them.
#include <string>

#include "hit_frames.h"

namespace zuvediv {

enum class ImageFormat { png, jpeg, tiff };

const char* file_extension(ImageFormat format);

// Returns an empty string on success, else the reason.
std::string write_image(const RgbImage& image, ImageFormat format, const std::string& path, int dpi);

}  // namespace zuvediv
