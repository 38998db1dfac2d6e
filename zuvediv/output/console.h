#pragma once
// Console output, UTF-8, flushed at once so it interleaves with the workers'
// and reaches the Wine console bridge as it happens.
#include <string_view>

namespace zuvediv {

void write_out(std::string_view utf8);
void write_err(std::string_view utf8);

}  // namespace zuvediv
