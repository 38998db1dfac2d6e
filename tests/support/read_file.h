#pragma once
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// The whole content of a file; empty if it cannot be read.
inline std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}
