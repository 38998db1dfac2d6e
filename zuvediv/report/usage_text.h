#pragma once
#include <string>

namespace zuvediv {
// The -h text, in Japanese, listing every option of the option table.
std::string usage_text();
}
