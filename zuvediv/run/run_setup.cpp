#include "run/run_setup.h"

#include <filesystem>

#include "command_line/given_path.h"
#include "output/output_file.h"
#include "text/page_hits.h"

namespace zuvediv {

namespace fs = std::filesystem;

StepError map_paths(const Options& o, RunPaths& paths) {
    const std::pair<const std::string*, std::string*> pairs[] = {
        {&o.input, &paths.input}, {&o.image_folder, &paths.image_folder}, {&o.csv_file, &paths.csv_file}};
    for (const auto& [given, mapped] : pairs) {
        if (given->empty()) continue;
        MappedPath m = openable_path(*given);
        if (!m.error.empty()) return m.error;
        *mapped = m.path;
    }
    return std::nullopt;
}

SearchTerms::SearchTerms(const Options& o)
    : folder(!o.exact_case, !o.no_normalise), matcher(folder.fold_plain(from_utf8(o.phrase))) {}

StepError list_documents(const Options& o, const RunPaths& paths, DocumentList& documents) {
    documents.listing = list_pdf_files(paths.input, o.recursive);
    if (!documents.listing.error.empty()) return documents.listing.error;
    std::error_code ec;
    documents.display = make_display(o.input, fs::is_regular_file(fs::u8path(paths.input), ec));
    return std::nullopt;
}

StepError make_image_folder(const Options& o, const RunPaths& paths) {
    if (paths.image_folder.empty()) return std::nullopt;
    if (!make_folders(paths.image_folder)) return "出力先フォルダを作れません: " + o.image_folder;
    return std::nullopt;
}

}  // namespace zuvediv
