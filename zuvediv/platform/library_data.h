#pragma once
// Points the libraries at the data files the program carries (see
// data_folder.h): ICU's archive beside the program, poppler's encoding
// tables in share/poppler, the recogniser's languages in tessdata. Where
// the program carries none, the libraries keep their own defaults.
#include <string>

namespace zuvediv {

// Before any ICU or poppler call. Returns a Japanese error, "" when the data is there.
std::string use_library_data();

// The folder the recogniser loads its languages from; "" for its own default.
std::string tessdata_folder();

}  // namespace zuvediv
