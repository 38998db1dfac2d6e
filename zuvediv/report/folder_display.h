#pragma once
// Folder and file names as the user wrote the input, so a Windows caller
// sees Windows paths in the list and on the console. The console names files
// relative to the searched folder, which it prints once, so that its lines
// stay short.
#include <string>

#include "documents/pdf_file_list.h"

namespace zuvediv {

struct FolderDisplay {
    std::string root;
    char separator = '/';

    std::string folder_of(const PdfFile& file) const;
    std::string relative_path_of(const PdfFile& file) const;
    // A '/'-separated path below the root, with the caller's separator.
    std::string relative(const std::string& path) const;
};

FolderDisplay make_display(const std::string& input_as_given, bool input_is_file);

// A run's documents, and how their names are shown.
struct DocumentList {
    PdfListing listing;
    FolderDisplay display;
};

}  // namespace zuvediv
