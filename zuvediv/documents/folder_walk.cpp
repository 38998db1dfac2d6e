#include "documents/folder_walk.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <system_error>
#include <utility>

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
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            // stat follows links and opens nothing
            struct stat info {};
            if (::stat(it->path().c_str(), &info) != 0) continue;
            if (S_ISREG(info.st_mode) && has_pdf_extension(it->path().filename().string())) {
                result_.files.push_back(it->path());
            } else if (S_ISDIR(info.st_mode) && recursive_ && seen_.insert({info.st_dev, info.st_ino}).second) {
                pending.push_back(it->path());
            }
        }
        if (ec) result_.unreadable.push_back({folder, ec.message()});
    }

    const bool recursive_;
    std::set<FolderId> seen_;
    FolderWalk result_;
};

}  // namespace

FolderWalk walk_folder(const fs::path& root, bool recursive) { return Walker(recursive).walk(root); }

}  // namespace zuvediv
