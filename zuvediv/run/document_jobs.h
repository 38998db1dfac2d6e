#pragma once
// Searches every listed document in worker processes, as many at once as
// -j allows, handing each result to the reporter.
#include "command_line/options.h"
#include "run/result_reporter.h"
#include "run/run_setup.h"

namespace zuvediv {

void search_documents(const Options& o, const RunPaths& paths, const SearchTerms& terms, const DocumentList& documents,
                      ResultReporter& reporter);

}  // namespace zuvediv
