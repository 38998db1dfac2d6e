#include "documents/folder_walk.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <set>
#include <utility>

#include <dirent.h>
#include <sys/stat.h>

namespace zuvediv {

namespace fs = std::filesystem;

namespace {

bool has_pdf_extension(const std::string& name) {
    if (name.size() < 5) return false;  // needs a name before ".pdf"
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".pdf";
}

using FolderId = std::pair<dev_t, ino_t>;

class Walker {
public:
    explicit Walker(bool recursive) : recursive_(recursive) {}

    FolderWalk walk(const fs::path& root) {
        struct stat info {};
        if (::stat(root.c_str(), &info) == 0) seen_.insert({info.st_dev, info.st_ino});
        std::vector<fs::path> pending{root};
        while (!pending.empty()) {
            const fs::path folder = std::move(pending.back());
            pending.pop_back();
            read_folder(folder, pending);
        }
        return std::move(result_);
    }

private:
    void read_folder(const fs::path& folder, std::vector<fs::path>& pending) {
        DIR* dir = ::opendir(folder.c_str());
        if (!dir) {
            result_.unreadable.push_back({folder, std::strerror(errno)});
            return;
        }
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(dir);
            if (!entry) break;
            const std::string name = entry->d_name;
            // Relative to the open folder: follows links, opens nothing, and
            // works below paths too long to name.
            struct stat info {};
            if (name == "." || name == ".." || ::fstatat(::dirfd(dir), entry->d_name, &info, 0) != 0) continue;
            const fs::path path = folder / name;
            if (S_ISREG(info.st_mode) && has_pdf_extension(name)) {
                result_.files.push_back(path);  // named by its reader if too long to open
            } else if (S_ISDIR(info.st_mode) && recursive_ && seen_.insert({info.st_dev, info.st_ino}).second) {
                pending.push_back(path);  // one too long to open is named when read
            }
        }
        if (errno != 0) result_.unreadable.push_back({folder, std::strerror(errno)});
        ::closedir(dir);
    }

    const bool recursive_;
    std::set<FolderId> seen_;
    FolderWalk result_;
};

}  // namespace

FolderWalk walk_folder(const fs::path& root, bool recursive) { return Walker(recursive).walk(root); }

}  // namespace zuvediv
