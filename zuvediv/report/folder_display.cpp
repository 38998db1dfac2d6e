#include "report/folder_display.h"

#include "command_line/given_path.h"

namespace zuvediv {

namespace {

std::string with_separator(std::string relative, char separator) {
    if (separator != '/') {
        for (char& c : relative) {
            if (c == '/') c = separator;
        }
    }
    return relative;
}

}  // namespace

std::string FolderDisplay::relative(const std::string& path) const { return with_separator(path, separator); }

std::string FolderDisplay::folder_of(const PdfFile& file) const {
    if (file.relative_folder.empty()) return root;
    if (!root.empty() && root.back() == separator) return root + relative(file.relative_folder);
    return root + separator + relative(file.relative_folder);
}

std::string FolderDisplay::relative_path_of(const PdfFile& file) const {
    if (file.relative_folder.empty()) return file.name;
    return relative(file.relative_folder) + separator + file.name;
}

FolderDisplay make_display(const std::string& input_as_given, bool input_is_file) {
    FolderDisplay display;
    display.separator = display_separator(input_as_given);
    std::string root = input_as_given;
    if (input_is_file) {
        const size_t cut = root.find_last_of(display.separator == '\\' ? "\\/" : "/");
        if (cut == std::string::npos) root = ".";
        else root = root.substr(0, cut == 0 || (cut == 2 && root[1] == ':') ? cut + 1 : cut);
    } else {
        while (root.size() > 1 && (root.back() == '/' || root.back() == '\\') && !(root.size() == 3 && root[1] == ':'))
            root.pop_back();
    }
    display.root = root;
    return display;
}

}  // namespace zuvediv
