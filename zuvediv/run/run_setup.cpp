#include "run/run_setup.h"

#include <filesystem>

#include "output/output_file.h"

namespace zuvediv {

namespace fs = std::filesystem;

StepError list_documents(const RunSettings& settings, DocumentList& documents) {
    documents.listing = list_pdf_files(settings.paths.input, settings.recursive);
    if (!documents.listing.error.empty()) return documents.listing.error;
    std::error_code ec;
    documents.display = make_display(settings.input_as_given, fs::is_regular_file(fs::u8path(settings.paths.input), ec));
    return std::nullopt;
}

StepError make_image_folder(const RunSettings& settings) {
    if (settings.paths.image_folder.empty()) return std::nullopt;
    if (!make_folders(settings.paths.image_folder)) return "出力先フォルダを作れません: " + settings.image_folder_as_given;
    return std::nullopt;
}

}  // namespace zuvediv
