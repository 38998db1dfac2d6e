#pragma once
#include <string>

namespace zuvediv {
// The -h text, in Japanese, listing every option.
std::string usage_text();
}
