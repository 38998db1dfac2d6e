#pragma once
// Where the tool's own data files lie: ICU's data archive, poppler's
// encoding tables (share/poppler) and the recogniser's language data
// (tessdata). The Linux build has none of its own and uses the system's.
#include <string>

namespace zuvediv {

// "" where the libraries find their data on the system; else the program's
// folder, named so that the libraries' narrow-character file functions open it.
std::string data_folder();

}  // namespace zuvediv
