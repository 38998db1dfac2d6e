#include "run/search_run.h"

#include <chrono>

#include "command_line/command_line.h"
#include "output/console.h"
#include "report/result_reporter.h"
#include "report/run_summary.h"
#include "report/usage_text.h"
#include "run/csv_sink.h"
#include "run/document_jobs.h"
#include "run/run_settings.h"
#include "run/run_setup.h"

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
    if (parsed.options.show_usage) {
        write_out(usage_text());
        return kExitFound;
    }
    if (!parsed.error.empty()) return fail(parsed.error);
    RunSettings settings;
    if (StepError error = derive_settings(parsed.options, settings)) return fail(*error);
    const SearchTerms terms(settings.search);
    if (terms.matcher.empty()) return fail("検索文字列に探せる文字がありません");
    DocumentList documents;
    if (StepError error = list_documents(settings, documents)) return fail(*error);
    if (StepError error = make_image_folder(settings)) return fail(*error);
    CsvSink csv(settings);
    if (StepError error = csv.open(settings.paths, documents.listing.root_folder)) return fail(*error);

    if (!documents.listing.files.empty()) write_out("検索するフォルダー: " + documents.display.root + "\n");
    ResultReporter reporter(
        documents, [&](const PdfFile& file, const DocumentResult& result) { csv.add_hits(documents.display, file, result); },
        settings.verbose);
    search_documents(settings, terms, documents, reporter);
    const StepError csv_error = csv.commit();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (documents.listing.files.empty()) write_out("PDF ファイルが見つかりませんでした: " + settings.input_as_given + "\n");
    write_out(summary_text(reporter.totals(), seconds));
    if (csv_error) return fail(*csv_error);
    return exit_status(reporter.totals());
}

}  // namespace zuvediv
