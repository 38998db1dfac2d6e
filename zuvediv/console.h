#pragma once
// Unicode-correct console output: UTF-16 to a Windows console, UTF-8 when
// redirected and on Linux.
#include <string_view>

namespace zuvediv {

void write_out(std::string_view utf8);
void write_err(std::string_view utf8);

}  // namespace zuvediv
