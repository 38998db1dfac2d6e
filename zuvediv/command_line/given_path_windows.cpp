#include "command_line/given_path.h"

namespace zuvediv {

MappedPath openable_path(const std::string& given) { return {given, ""}; }

char display_separator(const std::string&) { return '\\'; }

}  // namespace zuvediv
