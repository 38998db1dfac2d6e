#pragma once
// Finds the PDFs to search, in a fixed order that does not depend on the
// file system's listing order.
#include <string>
#include <vector>

namespace zuvediv {

struct PdfFile {
    std::string path;             // to open
    std::string relative_folder;  // below the searched folder, '/'-separated, "" at its top
    std::string name;             // file name
    std::string stem;             // file name without ".pdf"
};

struct PdfListing {
    std::vector<PdfFile> files;
    std::string root_folder;  // the searched folder, or the folder of the one file
    std::string error;        // Japanese, when the input cannot be searched
};

bool has_pdf_extension(const std::string& name);
PdfListing list_pdf_files(const std::string& input, bool recursive);

}  // namespace zuvediv
