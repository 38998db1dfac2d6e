#include "run/search_run.h"

#include <chrono>

#include "command_line/command_line.h"
#include "command_line/usage_text.h"
#include "output/console.h"
#include "run/csv_sink.h"
#include "run/document_jobs.h"
#include "run/result_reporter.h"
#include "run/run_setup.h"
#include "run/run_summary.h"

namespace zuvediv {
namespace {

int fail(const std::string& message) {
    write_err("Zuvediv: エラー: " + message + "\n");
    return kExitError;
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
    if (!parsed.error.empty()) return fail(parsed.error);
    RunPaths paths;
    if (StepError error = map_paths(o, paths)) return fail(*error);
    const SearchTerms terms(o);
    if (terms.matcher.empty()) return fail("検索文字列に探せる文字がありません");
    DocumentList documents;
    if (StepError error = list_documents(o, paths, documents)) return fail(*error);
    if (StepError error = make_image_folder(o, paths)) return fail(*error);
    CsvSink csv(o);
    if (StepError error = csv.open(paths, documents.listing.root_folder)) return fail(*error);

    if (!documents.listing.files.empty()) write_out("検索するフォルダー: " + documents.display.root + "\n");
    ResultReporter reporter(documents, csv, o.verbose);
    search_documents(o, paths, terms, documents, reporter);
    const StepError csv_error = csv.commit();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (documents.listing.files.empty()) write_out("PDF ファイルが見つかりませんでした: " + o.input + "\n");
    write_out(summary_text(reporter.totals(), seconds));
    if (csv_error) return fail(*csv_error);
    return exit_status(reporter.totals());
}

}  // namespace zuvediv
