#include "search_run.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <thread>

#include "command_line.h"
#include "console.h"
#include "csv_output.h"
#include "document_search.h"
#include "isolated_runner.h"
#include "page_hits.h"
#include "pdf_file_list.h"
#include "poppler_warmup.h"
#include "usage_text.h"
#include "wine_path.h"

namespace zuvediv {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUtf8Bom = "\xEF\xBB\xBF";

int fail(const std::string& message) {
    write_err("Zuvediv: " + message + "\n");
    return kExitError;
}

// Folder names as the user wrote the input, so a Windows caller sees
// Windows paths in the list.
struct FolderDisplay {
    std::string root;
    char separator = '/';

    std::string folder_of(const PdfFile& file) const {
        if (file.relative_folder.empty()) return root;
        std::string relative = file.relative_folder;
        if (separator != '/') {
            for (char& c : relative) {
                if (c == '/') c = separator;
            }
        }
        if (!root.empty() && root.back() == separator) return root + relative;
        return root + separator + relative;
    }
    std::string path_of(const PdfFile& file) const {
        const std::string folder = folder_of(file);
        if (!folder.empty() && folder.back() == separator) return folder + file.name;
        return folder + separator + file.name;
    }
};

FolderDisplay make_display(const std::string& input_as_given, bool input_is_file) {
    FolderDisplay display;
    display.separator = looks_like_windows_path(input_as_given) ? '\\' : '/';
    std::string root = input_as_given;
    if (input_is_file) {
        const size_t cut = root.find_last_of(display.separator == '\\' ? "\\/" : "/");
        if (cut == std::string::npos) root = ".";
        else root = root.substr(0, cut == 0 || (cut == 2 && root[1] == ':') ? cut + 1 : cut);
    } else {
        while (root.size() > 1 && (root.back() == '/' || root.back() == '\\') &&
               !(root.size() == 3 && root[1] == ':'))
            root.pop_back();
    }
    display.root = root;
    return display;
}

struct Totals {
    size_t searched = 0;
    size_t pages = 0;
    size_t hits = 0;
    std::vector<std::string> skipped;       // "file: reason"
    std::vector<std::string> image_errors;
};

std::string summary_text(const Totals& t, size_t file_count, double seconds) {
    char time_text[32];
    std::snprintf(time_text, sizeof time_text, "%.2f", seconds);
    std::string text = "検索したファイル: " + std::to_string(t.searched) + " / " + std::to_string(file_count) +
                       " 件、ページ: " + std::to_string(t.pages) + "、該当: " + std::to_string(t.hits) +
                       " 件、時間: " + time_text + " 秒\n";
    if (!t.skipped.empty()) {
        text += "スキップしたファイル: " + std::to_string(t.skipped.size()) + " 件\n";
        for (const std::string& line : t.skipped) text += "  " + line + "\n";
    }
    if (!t.image_errors.empty()) {
        text += "画像を保存できなかったページ: " + std::to_string(t.image_errors.size()) + " 件\n";
        for (const std::string& line : t.image_errors) text += "  " + line + "\n";
    }
    return text;
}

struct Paths {
    std::string input;
    std::string image_folder;
    std::string csv_file;
};

std::optional<std::string> map_paths(const Options& o, Paths& paths) {
    const WineSetup wine = WineSetup::from_environment();
    const std::pair<const std::string*, std::string*> pairs[] = {
        {&o.input, &paths.input}, {&o.image_folder, &paths.image_folder}, {&o.csv_file, &paths.csv_file}};
    for (const auto& [given, mapped] : pairs) {
        if (given->empty()) continue;
        MappedPath m = to_native_path(*given, wine);
        if (!m.error.empty()) return m.error;
        *mapped = m.path;
    }
    return std::nullopt;
}

}  // namespace

int run_tool(const std::vector<std::string>& args) {
    const auto started = std::chrono::steady_clock::now();
    const ParsedCommandLine parsed = parse_command_line(args);
    const Options& o = parsed.options;
    if (o.show_usage) {
        write_out(usage_text());
        return kExitFound;
    }
    if (!parsed.error.empty()) return fail("エラー: " + parsed.error);

    Paths paths;
    if (auto error = map_paths(o, paths)) return fail("エラー: " + *error);

    const TextFolder folder(!o.exact_case, !o.no_normalise);
    const PhraseMatcher matcher(folder.fold_plain(from_utf8(o.phrase)));
    if (matcher.empty()) return fail("エラー: 検索文字列に探せる文字がありません");

    const PdfListing listing = list_pdf_files(paths.input, o.recursive);
    if (!listing.error.empty()) return fail("エラー: " + listing.error);
    std::error_code ec;
    const bool input_is_file = fs::is_regular_file(fs::u8path(paths.input), ec);
    const FolderDisplay display = make_display(o.input, input_is_file);

    // The CSV may go into the -O folder too, so make it whenever given.
    if (!paths.image_folder.empty()) {
        fs::create_directories(fs::u8path(paths.image_folder), ec);
        if (ec || !fs::is_directory(fs::u8path(paths.image_folder)))
            return fail("エラー: 出力先フォルダを作れません: " + o.image_folder);
    }

    AtomicFile csv;
    const CsvColumns columns{!o.no_header, !o.no_folder_column, !o.no_file_column, !o.no_phrase_column};
    if (!paths.csv_file.empty()) {
        fs::path target = fs::u8path(paths.csv_file);
        if (target.is_relative()) {
            target = fs::u8path(paths.image_folder.empty() ? listing.root_folder : paths.image_folder) / target;
        }
        const std::string error = csv.open(target.u8string());
        if (!error.empty()) return fail("エラー: CSV ファイルを作れません: " + target.u8string() + " (" + error + ")");
        csv.write(kUtf8Bom);
        if (columns.header) csv.write(csv_header_line(columns));
    }

    silence_poppler_messages();
    warm_up_poppler(o.make_images);

    std::optional<ImageRequest> image_base;
    if (o.make_images) {
        image_base.emplace();
        image_base->format = o.format;
        image_base->dpi = o.dpi;
        image_base->style = FrameStyle{o.colour, o.opacity_tenths, o.line_width};
    }

    const std::vector<PdfFile>& files = listing.files;
    auto work = [&](size_t index) {
        const PdfFile& file = files[index];
        std::optional<ImageRequest> images = image_base;
        if (images) {
            images->folder = (fs::u8path(paths.image_folder) / fs::u8path(file.relative_folder)).u8string();
            images->stem = file.stem;
        }
        SearchRequest request{&folder, &matcher, o.password, images ? &*images : nullptr};
        return search_document(file.path, request);
    };

    Totals totals;
    std::vector<std::optional<DocumentResult>> results(files.size());
    size_t next_to_report = 0;
    // Reports finished documents in file order, however the workers finish.
    auto report_ready = [&]() {
        while (next_to_report < files.size() && results[next_to_report]) {
            const PdfFile& file = files[next_to_report];
            DocumentResult& r = *results[next_to_report];
            const std::string shown = display.path_of(file);
            if (r.status == DocumentStatus::skipped) {
                totals.skipped.push_back(shown + ": " + r.reason);
            } else {
                ++totals.searched;
                totals.pages += static_cast<size_t>(r.pages);
                totals.hits += r.hits.size();
                for (const DocumentHit& hit : r.hits) {
                    if (csv.is_open())
                        csv.write(csv_row_line(columns, {display.folder_of(file), file.name, hit.page, o.phrase, hit.context}));
                }
                for (const std::string& e : r.image_errors) totals.image_errors.push_back(e);
            }
            if (o.verbose) {
                std::string line = "[" + std::to_string(next_to_report + 1) + "/" + std::to_string(files.size()) + "] " + shown;
                line += r.status == DocumentStatus::skipped ? " スキップ: " + r.reason
                                                            : " 該当 " + std::to_string(r.hits.size()) + " 件";
                write_out(line + " (累計 " + std::to_string(totals.hits) + " 件)\n");
            }
            results[next_to_report].reset();
            ++next_to_report;
        }
    };

    RunnerLimits limits;
    limits.workers = o.workers > 0 ? o.workers : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    limits.time_limit = std::chrono::seconds(o.time_limit_seconds);
    run_isolated(files.size(), limits, work, [&](size_t index, DocumentResult result) {
        results[index] = std::move(result);
        report_ready();
    });
    for (size_t i = next_to_report; i < files.size(); ++i) {
        if (!results[i]) {
            DocumentResult lost;
            lost.status = DocumentStatus::skipped;
            lost.reason = "内部エラー (結果を受け取れませんでした)";
            results[i] = std::move(lost);
        }
    }
    report_ready();

    std::string csv_error;
    if (csv.is_open()) csv_error = csv.commit();

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (files.empty()) write_out("PDF ファイルが見つかりませんでした: " + o.input + "\n");
    write_out(summary_text(totals, files.size(), seconds));
    if (!csv_error.empty()) return fail("エラー: CSV ファイルを書けませんでした (" + csv_error + ")");
    if (!totals.image_errors.empty()) return kExitError;
    if (totals.hits > 0) return kExitFound;
    return totals.skipped.empty() ? kExitNotFound : kExitError;
}

}  // namespace zuvediv
