#include "documents/pdf_file_list.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace zuvediv {

namespace fs = std::filesystem;

bool has_pdf_extension(const std::string& name) {
    if (name.size() < 5) return false;  // needs a name before ".pdf"
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".pdf";
}

namespace {

PdfFile describe_file(const fs::path& path, const fs::path& root) {
    PdfFile file;
    file.path = path.u8string();
    file.name = path.filename().u8string();
    file.stem = file.name.substr(0, file.name.size() - 4);
    const fs::path relative = path.parent_path().lexically_relative(root);
    file.relative_folder = relative == "." ? "" : relative.generic_u8string();
    return file;
}

bool is_regular(const fs::directory_entry& entry) {
    std::error_code ec;
    return entry.is_regular_file(ec);
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
    std::vector<fs::path> found;
    const auto options = fs::directory_options::skip_permission_denied;
    if (recursive) {
        for (fs::recursive_directory_iterator it(path, options, ec), end; !ec && it != end; it.increment(ec)) {
            if (is_regular(*it) && has_pdf_extension(it->path().filename().u8string())) found.push_back(it->path());
        }
    } else {
        for (fs::directory_iterator it(path, options, ec), end; !ec && it != end; it.increment(ec)) {
            if (is_regular(*it) && has_pdf_extension(it->path().filename().u8string())) found.push_back(it->path());
        }
    }
    if (ec) {
        listing.error = "フォルダを読めません: " + input + " (" + ec.message() + ")";
        return listing;
    }
    // Folder by folder, component-wise, so a folder's files stay together.
    std::sort(found.begin(), found.end());
    for (const fs::path& p : found) listing.files.push_back(describe_file(p, path));
    return listing;
}

}  // namespace zuvediv
