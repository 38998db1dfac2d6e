#include "ocr/recogniser_threads.h"

namespace zuvediv {

// The Windows build of Tesseract (scripts/windows_deps) has no OpenMP: it
// recognises on the calling thread only.
void keep_recogniser_to_one_thread() {}

}  // namespace zuvediv
