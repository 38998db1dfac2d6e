// What the libraries print never reaches the console: a document on which
// one of them could not allocate is named as out of memory, never stored in
// the cache, and their warnings are only counted, once per document, in -v.
#include <gtest/gtest.h>

#include <cstdint>

#include "support/pdf_fixtures.h"

namespace zuvediv_test {
namespace {

void put_big_endian(std::string& out, uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

// A page without text whose one image is a JBIG2 stream announcing a page of
// 100,000 × 100,000 pixels: poppler asks for its 1.25 GB bitmap in one
// allocation, over any worker's cap, says "Out of memory", and would draw
// the page blank.
std::string page_over_the_cap() {
    std::string page_information;
    for (uint32_t field : {100000u, 100000u, 0u, 0u}) put_big_endian(page_information, field, 4);
    page_information += std::string(3, '\0');  // flags, striping
    std::string segment;
    put_big_endian(segment, 0, 4);  // segment number
    segment += std::string("\x30\x00\x01", 3);  // page information, nothing referred to, page 1
    put_big_endian(segment, static_cast<uint32_t>(page_information.size()), 4);
    const std::string image = pdf_stream("/Type/XObject/Subtype/Image/Width 100/Height 100/ColorSpace/DeviceGray"
                                     "/BitsPerComponent 1/Filter/JBIG2Decode",
                                     segment + page_information);
    return one_page_pdf(pdf_stream("", "q 200 0 0 200 0 0 cm /Im1 Do Q"), "/XObject<</Im1 5 0 R>>", {image});
}

bool mentions_memory_in_english(const ToolRun& run) {
    for (const std::string* text : {&run.out, &run.err}) {
        for (const char* word : {"memory", "Memory", "alloc"})
            if (text->find(word) != std::string::npos) return true;
    }
    return false;
}

TEST(LibraryMessages, AnAllocationOverTheCapIsOutOfMemoryAndNothingIsKept) {
    const ScratchDir dir;
    write_file(dir / "huge.pdf", page_over_the_cap());
    // The sanitizer's allocator then fails the allocation, as the plain one does.
    const Env env = {{"XDG_CACHE_HOME", dir / "cache"}, {"ASAN_OPTIONS", "allocator_may_return_null=1"}};
    for (const char* run_name : {"first", "second: nothing kept to answer from"}) {
        const ToolRun run = run_tool_binary({"-v", "invoice", dir / "huge.pdf"}, env);
        EXPECT_EQ(run.exit_code, 2) << run_name;
        EXPECT_NE(run.out.find("[1/1] huge.pdf スキップ: メモリー不足 (累計 0 件)\n"), std::string::npos) << run_name << run.out;
        EXPECT_NE(run.out.find("スキップしたファイル: 1 件\n  huge.pdf: メモリー不足\n"), std::string::npos) << run_name << run.out;
        EXPECT_EQ(run.out.find("キャッシュ"), std::string::npos) << run_name << run.out;
        EXPECT_FALSE(mentions_memory_in_english(run)) << run_name << run.out << run.err;
        EXPECT_EQ(run.err, "") << run_name;
    }
}

TEST(LibraryMessages, WarningsStayOffTheConsoleAndVerboseCountsThemOnce) {
    const ScratchDir dir;
    write_file(dir / "warned.pdf", one_page_pdf(pdf_stream("", "BT /F1 12 Tf 10 30 Td (invoice) Tj ET xyz abc"), kHelveticaAsF1));
    const std::string note = "  warned.pdf: 読み取り中に PDF や画像のライブラリが警告を出しました (";
    for (const bool verbose : {true, false}) {
        const ToolRun run = run_tool_binary(verbose ? std::vector<std::string>{"-v", "-N", "invoice", dir / "warned.pdf"}
                                                    : std::vector<std::string>{"-N", "invoice", dir / "warned.pdf"});
        EXPECT_EQ(run.exit_code, 0) << run.out << run.err;
        const size_t at = run.out.find(note);
        EXPECT_EQ(at != std::string::npos, verbose) << run.out;
        EXPECT_TRUE(!verbose || run.out.find(note, at + 1) == std::string::npos) << "once: " << run.out;
        EXPECT_EQ(run.out.find("operator"), std::string::npos) << run.out;
        EXPECT_EQ(run.err, "");
    }
}

}  // namespace
}  // namespace zuvediv_test
