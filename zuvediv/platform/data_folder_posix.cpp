#include "platform/data_folder.h"

namespace zuvediv {

// Debian's packages put the data where the libraries look by default.
std::string data_folder() { return ""; }

}  // namespace zuvediv
