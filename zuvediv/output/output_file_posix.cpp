#include "output/output_file.h"

#include <filesystem>
#include <system_error>

namespace zuvediv {

bool make_folders(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::u8path(path), ec);
    return !ec && std::filesystem::is_directory(std::filesystem::u8path(path), ec);
}

std::FILE* create_output_file(const std::string& path) { return std::fopen(path.c_str(), "wb"); }

TIFF* create_tiff_file(const std::string& path) { return TIFFOpen(path.c_str(), "w"); }

}  // namespace zuvediv
