#include "workers/library_messages.h"

#include <algorithm>
#include <cctype>

namespace zuvediv {
namespace {

// A line longer than this is judged by its first part.
constexpr size_t kLongestLine = 4096;

// How the libraries in use say that an allocation failed, lower case:
// poppler ("Out of memory", "Bogus memory allocation size", "Failed to
// allocate", "can't allocate"), libjpeg ("Insufficient memory"), openjpeg
// ("Not enough memory", "Cannot allocate memory") and leptonica ("calloc
// fail", "allocation failure").
const char* const kAllocationFailures[] = {
    "out of memory",   "memory allocation", "insufficient memory", "not enough memory", "cannot allocate",
    "can't allocate",  "couldn't allocate", "unable to allocate",  "failed to allocate", "failed allocation",
    "alloc fail",      "allocation fail",   "memory error",
};

bool says_allocation_failed(std::string_view line) {
    std::string lower(line);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return std::any_of(std::begin(kAllocationFailures), std::end(kAllocationFailures),
                       [&](const char* phrase) { return lower.find(phrase) != std::string::npos; });
}

}  // namespace

void LibraryMessageScanner::scan_line(std::string_view line) {
    if (line.find_first_not_of(" \t\r") == std::string_view::npos) return;
    ++found_.lines;
    if (says_allocation_failed(line)) found_.allocation_failed = true;
}

void LibraryMessageScanner::add(std::string_view bytes) {
    for (size_t end; (end = bytes.find('\n')) != std::string_view::npos; bytes.remove_prefix(end + 1)) {
        if (partial_.empty()) {
            scan_line(bytes.substr(0, end));
            continue;
        }
        partial_.append(bytes.substr(0, std::min(end, kLongestLine)));
        scan_line(partial_);
        partial_.clear();
    }
    partial_.append(bytes.substr(0, kLongestLine - std::min(kLongestLine, partial_.size())));
}

LibraryMessages LibraryMessageScanner::finish() {
    scan_line(partial_);
    partial_.clear();
    const LibraryMessages found = found_;
    found_ = {};
    return found;
}

}  // namespace zuvediv
