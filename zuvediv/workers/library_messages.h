#pragma once
// What the libraries print on their own while a document is read: poppler's
// warnings about damaged files and its "Out of memory", leptonica's and the
// JPEG and JPEG 2000 decoders' errors. They are counted, never shown; one
// that says an allocation failed means the library gave up on part of the
// page, so the page was not read.
#include <string>
#include <string_view>

namespace zuvediv {

struct LibraryMessages {
    int lines = 0;
    bool allocation_failed = false;
};

// Fed the printed bytes in pieces of any size.
class LibraryMessageScanner {
public:
    void add(std::string_view bytes);
    LibraryMessages finish();

private:
    void scan_line(std::string_view line);
    std::string partial_;  // a line not yet ended
    LibraryMessages found_;
};

}  // namespace zuvediv
