#pragma once
// Where the result list goes, when -o asks for one: opened with its
// byte-order mark and header before any document, a row per hit, committed
// at the end.
#include <string>

#include "documents/document_search.h"
#include "output/atomic_file.h"
#include "output/csv_output.h"
#include "report/folder_display.h"
#include "run/run_settings.h"

namespace zuvediv {

class CsvSink {
public:
    explicit CsvSink(const RunSettings& settings);
    // A relative -o name goes into the -O folder, else into the searched folder.
    StepError open(const RunPaths& paths, const std::string& searched_folder);
    void add_hits(const FolderDisplay& display, const PdfFile& file, const DocumentResult& result);
    StepError commit();

private:
    const std::string& phrase_;
    CsvColumns columns_;
    AtomicFile file_;
};

}  // namespace zuvediv
