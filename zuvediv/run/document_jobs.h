#pragma once
// Searches every listed document in worker processes, as many at once as
// -j allows, handing each result to the reporter.
#include "report/result_reporter.h"
#include "run/run_settings.h"

namespace zuvediv {

void search_documents(const RunSettings& settings, const SearchTerms& terms, const DocumentList& documents,
                      ResultReporter& reporter);

}  // namespace zuvediv
