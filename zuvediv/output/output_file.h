#pragma once
// Output folders and image files are made by a UTF-8 path. Linux takes the
// path as it is; Windows goes through the wide API, in the extended form,
// so that Japanese names and paths past MAX_PATH work.
#include <cstdio>
#include <string>

#include <tiffio.h>

namespace zuvediv {

// The folder and any missing above it; false unless it is a folder at the end.
bool make_folders(const std::string& path);

// Binary, replacing what is there; null with errno set when it cannot be made.
std::FILE* create_output_file(const std::string& path);
TIFF* create_tiff_file(const std::string& path);

}  // namespace zuvediv
