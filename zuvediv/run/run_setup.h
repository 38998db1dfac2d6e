#pragma once
// The first steps of a run: the paths the options name, what to search
// for, and the documents to search. Each returns a Japanese error or nothing.
#include <optional>
#include <string>

#include "command_line/options.h"
#include "documents/pdf_file_list.h"
#include "run/folder_display.h"
#include "text/phrase_matcher.h"
#include "text/text_folding.h"

namespace zuvediv {

using StepError = std::optional<std::string>;

// The input, -O and -o as the tool opens them.
struct RunPaths {
    std::string input;
    std::string image_folder;
    std::string csv_file;
};
StepError map_paths(const Options& o, RunPaths& paths);

struct SearchTerms {
    explicit SearchTerms(const Options& o);
    TextFolder folder;
    PhraseMatcher matcher;
};

struct DocumentList {
    PdfListing listing;
    FolderDisplay display;
};
StepError list_documents(const Options& o, const RunPaths& paths, DocumentList& documents);

// The CSV may go into the -O folder too, so it is made whenever given.
StepError make_image_folder(const Options& o, const RunPaths& paths);

}  // namespace zuvediv
