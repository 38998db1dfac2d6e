#include "documents/pdf_file_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "documents/folder_walk.h"
#include "documents/readable_name.h"

namespace zuvediv {

namespace fs = std::filesystem;

namespace {

std::string relative_folder(const fs::path& folder, const fs::path& root) {
    const fs::path relative = folder.lexically_relative(root);
    return relative == "." ? "" : readable_name(relative.generic_u8string());
}

// Component by component, so a folder's files stay together, and in UTF-8
// byte order, which Windows' UTF-16 order differs from beyond U+FFFF.
bool in_listing_order(const fs::path& a, const fs::path& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](const fs::path& x, const fs::path& y) { return x.u8string() < y.u8string(); });
}

PdfFile describe_file(const fs::path& path, const fs::path& root) {
    PdfFile file;
    file.path = path.u8string();
    file.name = readable_name(path.filename().u8string());
    file.stem = file.name.substr(0, file.name.size() - 4);
    file.relative_folder = relative_folder(path.parent_path(), root);
    return file;
}

}  // namespace

PdfListing list_pdf_files(const std::string& input, bool recursive) {
    PdfListing listing;
    const fs::path path = fs::u8path(input);
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) {
        listing.error = "検索するパスが見つかりません: " + input;
        return listing;
    }
    if (fs::is_regular_file(status)) {
        fs::path parent = path.parent_path();
        if (parent.empty()) parent = ".";
        listing.root_folder = parent.u8string();
        listing.files.push_back(describe_file(path, parent));
        return listing;
    }
    if (!fs::is_directory(status)) {
        listing.error = "検索するパスがファイルでもフォルダでもありません: " + input;
        return listing;
    }
    listing.root_folder = input;
    FolderWalk walk = walk_folder(path, recursive);
    for (const UnreadableFolder& folder : walk.unreadable) {
        if (folder.path == path) {
            listing.error = "フォルダを読めません: " + input + " (" + folder.reason + ")";
            return listing;
        }
        listing.unreadable_folders.push_back({relative_folder(folder.path, path), folder.reason});
    }
    std::sort(walk.files.begin(), walk.files.end(), in_listing_order);
    for (const fs::path& p : walk.files) listing.files.push_back(describe_file(p, path));
    return listing;
}

}  // namespace zuvediv
