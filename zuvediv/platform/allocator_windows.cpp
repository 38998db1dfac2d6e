// The C runtime's heap takes a lock and searches a free list on every call;
// under Wine that is four times glibc's cost, and a search makes millions of
// small allocations (a quarter of the tool's time went there). operator new
// and delete, which poppler, Tesseract and the tool use for nearly all of
// them, are replaced with mimalloc's (the standard way to replace them); C
// code keeps the C runtime's heap, so no block can reach the wrong one.
#include <mimalloc-new-delete.h>
