#pragma once
// Saves rendered pages. Settings favour speed: the images are for a quick
// look at the hits, and must not cost more than rendering them.
#include <string>

#include "common/search_contract.h"
#include "output/hit_frames.h"

namespace zuvediv {

using search_contract::file_extension;
using search_contract::ImageFormat;

// Returns an empty string on success, else the reason.
std::string write_image(const RgbImage& image, ImageFormat format, const std::string& path, int dpi);

}  // namespace zuvediv
