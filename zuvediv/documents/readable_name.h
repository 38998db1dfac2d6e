#pragma once
// Linux file names are bytes: names from old Japanese archives are often
// Shift_JIS, and any name may hold bytes that are no text at all. The list
// and the console need UTF-8, so a name is shown as UTF-8 when it is that,
// else as its Japanese text when it reads as Windows-31J (CP932), else with
// each byte that is not UTF-8 shown as U+FFFD.
#include <string>

namespace zuvediv {

std::string readable_name(const std::string& bytes);

}  // namespace zuvediv
