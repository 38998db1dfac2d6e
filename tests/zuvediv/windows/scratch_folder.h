#pragma once
// A fresh folder for one test, named with Japanese and a blank, removed
// with everything in it (also below MAX_PATH's reach) when it goes.
#include <string>

namespace zuvediv_test {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }  // UTF-8, with '\'
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// Writes the bytes to a new file by a UTF-8 path of any length.
void write_bytes(const std::string& path, const std::string& bytes);
std::string read_bytes(const std::string& path);
// Folders below `top` until the path is longer than MAX_PATH; returns the deepest.
std::string make_deep_folder(const std::string& top);

}  // namespace zuvediv_test
