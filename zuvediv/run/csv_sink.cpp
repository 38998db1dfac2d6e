#include "run/csv_sink.h"

#include <filesystem>

namespace zuvediv {

namespace fs = std::filesystem;

constexpr const char* kUtf8Bom = "\xEF\xBB\xBF";

CsvSink::CsvSink(const RunSettings& settings) : phrase_(settings.search.phrase), columns_(settings.csv_columns) {}

StepError CsvSink::open(const RunPaths& paths, const std::string& searched_folder) {
    if (paths.csv_file.empty()) return std::nullopt;
    fs::path target = fs::u8path(paths.csv_file);
    if (target.is_relative()) target = fs::u8path(paths.image_folder.empty() ? searched_folder : paths.image_folder) / target;
    const std::string error = file_.open(target.u8string());
    if (!error.empty()) return "CSV ファイルを作れません: " + target.u8string() + " (" + error + ")";
    file_.write(kUtf8Bom);
    if (columns_.header) file_.write(csv_header_line(columns_));
    return std::nullopt;
}

void CsvSink::add_hits(const FolderDisplay& display, const PdfFile& file, const DocumentResult& result) {
    if (!file_.is_open()) return;
    for (const DocumentHit& hit : result.hits)
        file_.write(csv_row_line(columns_, {display.folder_of(file), file.name, hit.page, phrase_, hit.context}));
}

StepError CsvSink::commit() {
    if (!file_.is_open()) return std::nullopt;
    const std::string error = file_.commit();
    if (!error.empty()) return "CSV ファイルを書けませんでした (" + error + ")";
    return std::nullopt;
}

}  // namespace zuvediv
