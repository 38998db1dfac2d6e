#include "documents/folder_walk.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <utility>

#include "documents/folder_listing.h"

namespace zuvediv {

namespace fs = std::filesystem;

namespace {

bool has_pdf_extension(const std::string& name) {
    if (name.size() < 5) return false;  // needs a name before ".pdf"
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".pdf";
}

class Walker {
public:
    explicit Walker(bool recursive) : recursive_(recursive) {}

    FolderWalk walk(const fs::path& root) {
        if (const std::optional<FolderId> id = folder_id(root)) seen_.insert(*id);
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
        const FolderListing listing = list_folder(folder, recursive_);
        if (!listing.opened) {
            result_.unreadable.push_back({folder, listing.error});
            return;
        }
        for (const FolderEntry& entry : listing.entries) {
            const fs::path path = folder / fs::u8path(entry.name);
            if (entry.kind == EntryKind::file && has_pdf_extension(entry.name)) {
                result_.files.push_back(path);  // named by its reader if too long to open
            } else if (entry.kind == EntryKind::folder && recursive_ && entry.id && seen_.insert(*entry.id).second) {
                pending.push_back(path);  // one too long to open is named when read
            }
        }
        if (!listing.error.empty()) result_.unreadable.push_back({folder, listing.error});
    }

    const bool recursive_;
    std::set<FolderId> seen_;
    FolderWalk result_;
};

}  // namespace

FolderWalk walk_folder(const fs::path& root, bool recursive) { return Walker(recursive).walk(root); }

}  // namespace zuvediv
