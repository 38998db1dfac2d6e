#include "ocr/recogniser_threads.h"

#include <omp.h>

namespace zuvediv {

// Debian's Tesseract runs its networks with OpenMP.
void keep_recogniser_to_one_thread() { omp_set_max_active_levels(0); }

}  // namespace zuvediv
