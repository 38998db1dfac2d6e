#pragma once
// A Windows error code as the system words it, in the user's language.
#include <string>

#include <windows.h>

namespace zuvediv {

// UTF-8, without the trailing line break; the code alone if the system has no text.
std::string system_message(DWORD code);

}  // namespace zuvediv
