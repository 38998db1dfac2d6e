#pragma once
// The first steps of a run once its settings are derived: the documents to
// search and the -O folder. Each returns a Japanese error or nothing.
#include "report/folder_display.h"
#include "run/run_settings.h"

namespace zuvediv {

StepError list_documents(const RunSettings& settings, DocumentList& documents);

// The CSV may go into the -O folder too, so it is made whenever given.
StepError make_image_folder(const RunSettings& settings);

}  // namespace zuvediv
