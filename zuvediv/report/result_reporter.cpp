#include "report/result_reporter.h"

#include "output/console.h"

namespace zuvediv {

ResultReporter::ResultReporter(const DocumentList& documents, SearchedDocument searched, bool verbose)
    : documents_(documents), searched_(std::move(searched)), verbose_(verbose), results_(documents.listing.files.size()) {
    totals_.files = results_.size();
    for (const SkippedFolder& folder : documents.listing.unreadable_folders)
        totals_.skipped.push_back(documents.display.relative(folder.relative_folder) + ": フォルダを読めません (" + folder.reason + ")");
}

void ResultReporter::accept(size_t index, DocumentResult result) {
    results_[index] = std::move(result);
    report_ready();
}

void ResultReporter::page_recognised(size_t index, int page) const {
    if (!verbose_) return;
    write_out("  文字認識 (OCR): " + documents_.display.relative_path_of(documents_.listing.files.at(index)) + " ページ " +
              std::to_string(page + 1) + "\n");
}

void ResultReporter::finish() {
    for (size_t i = next_to_report_; i < results_.size(); ++i) {
        if (results_[i]) continue;
        results_[i] = unread(DocumentStatus::internal_error, "結果を受け取れませんでした");
    }
    report_ready();
}

void ResultReporter::report_ready() {
    while (next_to_report_ < results_.size() && results_[next_to_report_]) {
        report(documents_.listing.files[next_to_report_], *results_[next_to_report_]);
        results_[next_to_report_].reset();
        ++next_to_report_;
    }
}

void ResultReporter::report(const PdfFile& file, const DocumentResult& result) {
    const std::string shown = documents_.display.relative_path_of(file);
    if (result.status != DocumentStatus::searched) {
        totals_.skipped.push_back(shown + ": " + unread_reason(result));
    } else {
        ++totals_.searched;
        totals_.from_cache += result.from_cache ? 1 : 0;
        totals_.pages += static_cast<size_t>(result.pages);
        totals_.recognised_pages += static_cast<size_t>(result.recognised_pages);
        totals_.hits += result.hits.size();
        searched_(file, result);
        totals_.image_errors.insert(totals_.image_errors.end(), result.image_errors.begin(), result.image_errors.end());
    }
    if (verbose_) print_progress(shown, result);
}

void ResultReporter::print_progress(const std::string& shown, const DocumentResult& result) const {
    std::string line = "[" + std::to_string(next_to_report_ + 1) + "/" + std::to_string(totals_.files) + "] " + shown;
    line += result.status != DocumentStatus::searched ? " スキップ: " + unread_reason(result)
                                                     : " 該当 " + std::to_string(result.hits.size()) + " 件" +
                                                           (result.from_cache ? " (キャッシュ)" : "");
    write_out(line + " (累計 " + std::to_string(totals_.hits) + " 件)\n");
    if (result.library_messages > 0)
        write_out("  " + shown + ": 読み取り中に PDF や画像のライブラリが警告を出しました (" +
                  std::to_string(result.library_messages) + " 件、内容は表示しません)\n");
}

}  // namespace zuvediv
