#include "report/run_summary.h"

#include <cstdio>

namespace zuvediv {
namespace {

std::string listed(const char* title, const std::vector<std::string>& lines) {
    if (lines.empty()) return "";
    std::string text = title + std::to_string(lines.size()) + " 件\n";
    for (const std::string& line : lines) text += "  " + line + "\n";
    return text;
}

}  // namespace

std::string summary_text(const Totals& t, double seconds) {
    char time_text[32];
    std::snprintf(time_text, sizeof time_text, "%.2f", seconds);
    return "検索したファイル: " + std::to_string(t.searched) + " / " + std::to_string(t.files) +
           " 件、ページ: " + std::to_string(t.pages) + "、該当: " + std::to_string(t.hits) + " 件、時間: " +
           time_text + " 秒\n" +
           (t.from_cache ? "キャッシュから読んだファイル: " + std::to_string(t.from_cache) + " 件\n" : "") +
           (t.recognised_pages ? "文字認識 (OCR) で読んだページ: " + std::to_string(t.recognised_pages) +
                                     " (OCR は文字を読み落とすことがあります)\n"
                               : "") +
           listed("スキップしたファイル: ", t.skipped) +
           listed("画像を保存できなかったページ: ", t.image_errors);
}

int exit_status(const Totals& t) {
    if (!t.image_errors.empty()) return kExitError;
    if (t.hits > 0) return kExitFound;
    return t.skipped.empty() ? kExitNotFound : kExitError;
}

}  // namespace zuvediv
