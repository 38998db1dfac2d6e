#include "output/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace zuvediv {

struct AtomicFile::State {
    std::FILE* file = nullptr;
    bool unnamed = false;  // no name until commit
    std::string path;
    std::string temporary;
    bool write_failed = false;

    ~State() { discard(); }

    void discard() {
        if (!file) return;
        std::fclose(file);
        file = nullptr;
        std::remove(temporary.c_str());
    }

    bool name_temporary() {
        if (!unnamed) return true;
        const std::string self = "/proc/self/fd/" + std::to_string(::fileno(file));
        return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0;
    }
};

AtomicFile::AtomicFile() = default;
AtomicFile::~AtomicFile() = default;

bool AtomicFile::is_open() const { return state_ && state_->file; }

std::string AtomicFile::open(const std::string& path) {
    state_ = std::make_unique<State>();
    State& s = *state_;
    s.path = path;
    s.temporary = path + ".tmp" + std::to_string(::getpid());
    // Unnamed where the file system allows: a run killed half-way leaves nothing.
    const std::string folder = std::filesystem::u8path(path).parent_path().u8string();
    const int unnamed = ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    s.unnamed = unnamed >= 0;
    s.file = s.unnamed ? ::fdopen(unnamed, "wb") : std::fopen(s.temporary.c_str(), "wb");
    if (!s.file) return std::strerror(errno);
    return "";
}

bool AtomicFile::write(std::string_view bytes) {
    if (!is_open() || state_->write_failed) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), state_->file) != bytes.size()) state_->write_failed = true;
    return !state_->write_failed;
}

std::string AtomicFile::commit() {
    if (!is_open()) return "開かれていません";
    State& s = *state_;
    std::string error;
    if (s.write_failed || std::fflush(s.file) != 0 || !s.name_temporary()) error = std::strerror(errno ? errno : EIO);
    if (std::fclose(s.file) != 0 && error.empty()) error = std::strerror(errno);
    s.file = nullptr;
    if (error.empty()) {
        std::error_code ec;
        std::filesystem::rename(std::filesystem::u8path(s.temporary), std::filesystem::u8path(s.path), ec);
        if (ec) error = ec.message();
    }
    if (!error.empty()) std::remove(s.temporary.c_str());
    return error;
}

}  // namespace zuvediv
