#pragma once
// Console output, UTF-8, written at once so it interleaves with the workers'
// and reaches the Wine console bridge as it happens. A Windows console is
// written in UTF-16; a file or pipe always gets the UTF-8 bytes.
#include <string_view>

namespace zuvediv {

void write_out(std::string_view utf8);
void write_err(std::string_view utf8);

}  // namespace zuvediv
