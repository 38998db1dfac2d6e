// What the libraries print is counted by the line, in whatever pieces it
// arrives, and each library's way of saying that an allocation failed
// marks the document as not read.
#include <gtest/gtest.h>

#include "workers/library_messages.h"

namespace zuvediv {
namespace {

struct ScanCase { const char* name; std::vector<std::string> pieces; int lines; bool allocation_failed; };

TEST(LibraryMessages, CountsLinesAndFindsFailedAllocations) {
    const std::string long_line(10000, 'w');
    const std::vector<ScanCase> cases = {
        {"nothing printed", {}, 0, false},
        {"poppler's warnings", {"poppler/error (312): Unknown operator 'xyz'\nerror: Illegal character\n"}, 2, false},
        {"poppler's gmem", {"Out of memory\n"}, 1, true},
        {"poppler beyond the int range", {"Bogus memory allocation size\n"}, 1, true},
        {"libjpeg through poppler", {"error: Insufficient memory (case 4)\n"}, 1, true},
        {"openjpeg", {"error: Not enough memory for tile data\n"}, 1, true},
        {"leptonica", {"Error in pixCreateNoInit: pix_malloc fail for data\n"}, 1, true},
        {"the sanitizer's allocator", {"==7==WARNING: AddressSanitizer failed to allocate 0x4a817c80 bytes\n"}, 1, true},
        {"a line split across pieces", {"Out of me", "mory\nnext"}, 2, true},
        {"a phrase split at a line end is not one", {"out of\n", "memory\n"}, 2, false},
        {"blank lines do not count", {"\n\r\n  \nwarning\n"}, 1, false},
        {"a very long line, then a failure", {long_line, long_line + "\n", "Out of memory"}, 2, true},
    };
    for (const ScanCase& c : cases) {
        LibraryMessageScanner scanner;
        for (const std::string& piece : c.pieces) scanner.add(piece);
        const LibraryMessages found = scanner.finish();
        EXPECT_EQ(found.lines, c.lines) << c.name;
        EXPECT_EQ(found.allocation_failed, c.allocation_failed) << c.name;
    }
}

TEST(LibraryMessages, FinishStartsAfresh) {
    LibraryMessageScanner scanner;
    scanner.add("Out of memory\n");
    scanner.finish();
    scanner.add("warning");
    const LibraryMessages second = scanner.finish();
    EXPECT_EQ(second.lines, 1);
    EXPECT_FALSE(second.allocation_failed);
}

}  // namespace
}  // namespace zuvediv
