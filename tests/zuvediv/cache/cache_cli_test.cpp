// The program with its page-text cache: warm runs answer as cold runs and
// -N do, changed files are read again, deleted text leaves no trace in the
// database file (protected text: see the split-document test), and a cache
// that cannot be used costs nothing but a message.
#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "pdf_writer.h"
#include "support/pdf_fixtures.h"

namespace zuvediv_test {
namespace {

const char* const kFromCache = "キャッシュから読んだファイル: ";
const char* const kWithoutCache = "キャッシュなしで実行します";

Env cache_in(const ScratchDir& dir) { return {{"XDG_CACHE_HOME", dir / "cache"}}; }

std::string cache_bytes(const ScratchDir& dir) { return bytes_below(dir.path() / "cache"); }

std::string csv_of(const ScratchDir& dir, std::vector<std::string> args, const Env& env, ToolRun* run = nullptr) {
    const std::string csv = dir / "list.csv";
    fs::remove(csv);
    args.insert(args.begin(), {"-s", "-o", csv});
    const ToolRun done = run_tool_binary(args, env);
    if (run) *run = done;
    return ReadFileBytes(csv);
}

// Look-alikes, blanks across line breaks, hits across line breaks, case and
// normalisation switched off: each answered from stored text as from the PDF.
TEST(CachedSearch, WarmRunsWriteTheListsOfColdAndUncachedRuns) {
    const ScratchDir dir;
    const std::string docs = fixtures().docs.string();
    const std::string uncached = csv_of(dir, {"-N", "invoice", docs}, cache_in(dir));
    EXPECT_FALSE(fs::exists(dir.path() / "cache")) << "-N writes no cache";
    EXPECT_EQ(csv_of(dir, {"invoice", docs}, cache_in(dir)), uncached) << "cold";
    const std::vector<std::vector<std::string>> cases = {
        {"invoice"}, {"-c", "INVOICE"}, {"-n", "ＡＢＣ"}, {"-c", "-n", "Invoice"}, {"東京～大阪"},
        {"ご請求書"}, {"の件 来月分"}, {"file name"}, {"-n", "ﬁle"}, {"𠮷野家"}};
    for (std::vector<std::string> args : cases) {
        args.push_back(docs);
        ToolRun warm;
        const std::string cached = csv_of(dir, args, cache_in(dir), &warm);
        args.insert(args.begin(), "-N");
        EXPECT_EQ(cached, csv_of(dir, args, cache_in(dir))) << args[args.size() - 2];
        EXPECT_NE(warm.out.find(std::string(kFromCache) + "3 件\n"), std::string::npos) << warm.out;
    }
}

// One rewritten in place to the same size, its modification time put back,
// is read again; a deleted one's text leaves the database file.
TEST(CachedSearch, ChangedFilesAreReadAgainAndDeletedOnesLeaveTheDatabase) {
    const ScratchDir dir;
    fs::create_directories(dir.path() / "docs");
    pdf_writer::write_pdf(dir / "one.pdf", {{{50, 50, "Zebra first"}}});
    pdf_writer::write_pdf(dir / "two.pdf", {{{50, 50, "Zebra other"}}});
    pdf_writer::write_pdf(dir / "docs/keep.pdf", {{{50, 50, "Keepsake"}}});
    pdf_writer::write_pdf(dir / "docs/gone.pdf", {{{50, 50, "Vanishing"}}});
    std::string first = ReadFileBytes(dir / "one.pdf"), other = ReadFileBytes(dir / "two.pdf");
    const size_t size = std::max(first.size(), other.size());
    first.resize(size, '\n'), other.resize(size, '\n');  // readers ignore what follows the end
    const fs::path doc = dir.path() / "docs" / "doc.pdf";
    write_file(doc, first);
    ASSERT_EQ(run_tool_binary({"Zebra first", dir / "docs"}, cache_in(dir)).exit_code, 0);
    ASSERT_NE(cache_bytes(dir).find("Vanishing"), std::string::npos) << "stored as it reads";
    const fs::file_time_type modified = fs::last_write_time(doc);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::ofstream(doc, std::ios::binary | std::ios::in | std::ios::out) << other;  // same inode
    fs::last_write_time(doc, modified);
    ASSERT_EQ(fs::file_size(doc), size);
    fs::remove(dir / "docs/gone.pdf");
    const ToolRun again = run_tool_binary({"Zebra other", dir / "docs"}, cache_in(dir));
    EXPECT_EQ(again.exit_code, 0) << again.out;
    EXPECT_NE(again.out.find(std::string(kFromCache) + "1 件"), std::string::npos) << "only the unchanged one: " << again.out;
    const std::string bytes = cache_bytes(dir);
    EXPECT_EQ(bytes.find("Vanishing"), std::string::npos);
    EXPECT_NE(bytes.find("Keepsake"), std::string::npos);
}

// The search goes on as without a cache, and says so once.
TEST(CachedSearch, CorruptOrUnwritableCacheIsSaidOnceAndSearchedWithout) {
    const ScratchDir dir;
    const std::string uncached = csv_of(dir, {"-N", "invoice", fixtures().docs.string()}, cache_in(dir));
    const ScratchDir corrupt, blocked;
    fs::create_directories(corrupt.path() / "cache/zuvediv");
    write_file(corrupt / "cache/zuvediv/pages.sqlite3", std::string(8192, '\x5A'));
    write_file(blocked / "cache", "a file where the cache folder would go");
    for (const ScratchDir* cache : {&corrupt, &blocked}) {
        ToolRun run;
        EXPECT_EQ(csv_of(dir, {"invoice", fixtures().docs.string()}, cache_in(*cache), &run), uncached);
        EXPECT_TRUE(run.err.find(kWithoutCache) != std::string::npos &&
                    run.err.find(kWithoutCache) == run.err.rfind(kWithoutCache)) << "said once: " << run.err;
        EXPECT_EQ(run.exit_code, 0);
    }
    // The damaged file made way for a new cache, which the next runs fill and use.
    ToolRun refill, warm;
    EXPECT_EQ(csv_of(dir, {"invoice", fixtures().docs.string()}, cache_in(corrupt), &refill), uncached);
    EXPECT_EQ(csv_of(dir, {"invoice", fixtures().docs.string()}, cache_in(corrupt), &warm), uncached);
    EXPECT_TRUE(refill.err.empty()) << refill.err;
    EXPECT_NE(warm.out.find(kFromCache), std::string::npos) << warm.out;
}

TEST(CachedSearch, TwoRunsAtOnceShareTheCache) {
    const ScratchDir dir;
    fs::create_directories(dir.path() / "docs");
    for (int i = 0; i < 8; ++i)
        pdf_writer::write_pdf(dir / ("docs/d" + std::to_string(i) + ".pdf"), {{{50, 50, "shared word " + std::to_string(i)}}, {{50, 50, "word"}}});
    const std::string uncached = csv_of(dir, {"-N", "word", dir / "docs"}, cache_in(dir));
    ToolRun runs[2];
    std::thread other([&] { runs[1] = run_tool_binary({"-j", "2", "-o", dir / "other.csv", "word", dir / "docs"}, cache_in(dir)); });
    runs[0] = run_tool_binary({"-j", "2", "-o", dir / "one.csv", "word", dir / "docs"}, cache_in(dir));
    other.join();
    for (const ToolRun& run : runs) EXPECT_TRUE(run.exit_code == 0 && run.err.empty()) << run.err;
    EXPECT_EQ(ReadFileBytes(dir / "one.csv"), uncached);
    EXPECT_EQ(ReadFileBytes(dir / "other.csv"), uncached);
    csv_of(dir, {"word", dir / "docs"}, cache_in(dir));  // completes what the two left to each other
    ToolRun warm;
    EXPECT_EQ(csv_of(dir, {"word", dir / "docs"}, cache_in(dir), &warm), uncached);
    EXPECT_NE(warm.out.find(std::string(kFromCache) + "8 件"), std::string::npos) << warm.out;
}

}  // namespace
}  // namespace zuvediv_test
