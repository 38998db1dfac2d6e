#pragma once
// The run's last words: the summary on the console and the exit status.
#include <string>

#include "report/result_reporter.h"

namespace zuvediv {

constexpr int kExitFound = 0;
constexpr int kExitNotFound = 1;
constexpr int kExitError = 2;

std::string summary_text(const Totals& totals, double seconds);
// Found beats nothing found; an image not saved, or nothing found while
// files were skipped, is an error.
int exit_status(const Totals& totals);

}  // namespace zuvediv
