#pragma once
// Finds the PDFs to search, in a fixed order that does not depend on the
// file system's listing order.
#include <string>
#include <vector>

namespace zuvediv {

// Names for the list, the console and the images are readable UTF-8
// (see readable_name.h); the path to open is the bytes as they are.
struct PdfFile {
    std::string path;             // to open
    std::string relative_folder;  // below the searched folder, '/'-separated, "" at its top
    std::string name;             // file name
    std::string stem;             // file name without ".pdf"
};

struct SkippedFolder {
    std::string relative_folder;  // as in PdfFile
    std::string reason;
};

struct PdfListing {
    std::vector<PdfFile> files;
    std::string root_folder;  // the searched folder, or the folder of the one file
    std::string error;        // Japanese, when the input cannot be searched
    std::vector<SkippedFolder> unreadable_folders;
};

PdfListing list_pdf_files(const std::string& input, bool recursive);

}  // namespace zuvediv
