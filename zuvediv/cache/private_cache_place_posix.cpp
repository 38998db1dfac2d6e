#include "cache/private_cache_place.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

namespace zuvediv {
namespace {

namespace fs = std::filesystem;

constexpr mode_t kFolderMode = 0700;
constexpr mode_t kFileMode = 0600;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { if (fd_ >= 0) ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool owned_by_someone_else(const struct stat& info) { return info.st_uid != ::geteuid() && info.st_uid != 0; }
bool writable_by_others(const struct stat& info) { return (info.st_mode & (S_IWGRP | S_IWOTH)) != 0; }

// Every folder on the way, and every link it passes, must be this user's or
// the system's, and no folder may let others rename what lies in it (a
// sticky folder such as /tmp does not).
std::string check_way_to(const fs::path& folder) {
    fs::path way;
    for (const fs::path& part : folder) {
        way /= part;
        struct stat info {};
        if (::lstat(way.c_str(), &info) != 0) return "";  // made below
        if (S_ISLNK(info.st_mode) && owned_by_someone_else(info)) return "キャッシュへの道に他のユーザーのリンクがあります";
        if (S_ISLNK(info.st_mode) && ::stat(way.c_str(), &info) != 0) return "";
        if (way == folder) break;
        if (owned_by_someone_else(info)) return "キャッシュへの道に他のユーザーのフォルダーがあります";
        if (writable_by_others(info) && !(info.st_mode & S_ISVTX)) return "キャッシュへの道のフォルダーに他のユーザーも書き込めます";
    }
    return "";
}

// The cache folder itself is opened without following a link, so what is
// checked is what is used.
std::string check_folder(int folder_fd) {
    struct stat info {};
    if (::fstat(folder_fd, &info) != 0) return "キャッシュのフォルダーを調べられません";
    if (info.st_uid != ::geteuid()) return "キャッシュのフォルダーが他のユーザーのものです";
    if (writable_by_others(info)) return "キャッシュのフォルダーに他のユーザーも書き込めます";
    if ((info.st_mode & 07777) != kFolderMode && ::fchmod(folder_fd, kFolderMode) != 0) return "キャッシュのフォルダーを自分専用にできません";
    return "";
}

std::string tighten_entry(int folder_fd, const char* name) {
    const Descriptor entry(::openat(folder_fd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (entry.get() < 0) return errno == ELOOP ? "キャッシュのフォルダーにリンクがあります" : "";
    struct stat info {};
    if (::fstat(entry.get(), &info) != 0) return "キャッシュのファイルを調べられません";
    if (info.st_uid != ::geteuid()) return "キャッシュのファイルが他のユーザーのものです";
    const mode_t wanted = S_ISDIR(info.st_mode) ? kFolderMode : kFileMode;
    if ((info.st_mode & 07777) != wanted && ::fchmod(entry.get(), wanted) != 0) return "キャッシュのファイルを自分専用にできません";
    return "";
}

// Whatever an older run, or SQLite under a wider umask, left there.
std::string tighten_entries(int folder_fd) {
    const int listing_fd = ::dup(folder_fd);
    std::unique_ptr<DIR, int (*)(DIR*)> listing(listing_fd >= 0 ? ::fdopendir(listing_fd) : nullptr, ::closedir);
    if (!listing) {
        if (listing_fd >= 0) ::close(listing_fd);
        return "キャッシュのフォルダーを読めません";
    }
    while (const dirent* entry = ::readdir(listing.get())) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        const std::string refusal = tighten_entry(folder_fd, entry->d_name);
        if (!refusal.empty()) return refusal;
    }
    return "";
}

// SQLite gives its journal, WAL and shared-memory files the database
// file's mode, so a database made private first keeps them private too.
std::string create_database_file(int folder_fd, const std::string& name) {
    const Descriptor file(::openat(folder_fd, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kFileMode));
    if (file.get() < 0) return errno == EEXIST ? "" : "キャッシュのファイルを作れません";
    return ::fchmod(file.get(), kFileMode) == 0 ? "" : "キャッシュのファイルを自分専用にできません";
}

}  // namespace

std::string make_cache_place_private(const std::string& database_file) {
    const fs::path file = fs::u8path(database_file);
    const fs::path folder = file.parent_path();
    std::string refusal = check_way_to(folder);
    if (!refusal.empty()) return refusal;
    std::error_code ec;
    fs::create_directories(folder.parent_path(), ec);
    if (::mkdir(folder.c_str(), kFolderMode) != 0 && errno != EEXIST) return "キャッシュのフォルダーを作れません";
    const Descriptor folder_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (folder_fd.get() < 0) return errno == ELOOP || errno == ENOTDIR ? "キャッシュのフォルダーがリンクか、フォルダーではありません" : "キャッシュのフォルダーを開けません";
    refusal = check_folder(folder_fd.get());
    if (refusal.empty()) refusal = tighten_entries(folder_fd.get());
    if (refusal.empty()) refusal = create_database_file(folder_fd.get(), file.filename().string());
    return refusal;
}

}  // namespace zuvediv
