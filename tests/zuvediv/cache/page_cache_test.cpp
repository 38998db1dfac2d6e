// The cache's records: what makes a document count as stored, how the
// least recently used and the vanished ones go, another format version, and
// page text that comes back as it went in.
#include <gtest/gtest.h>

#include <thread>

#include "cache/cache_database.h"
#include "cache/page_cache.h"
#include "cache/page_text_codec.h"
#include "cache/search_cache.h"
#include "support/pdf_fixtures.h"

namespace zuvediv {
namespace {

using zuvediv_test::ScratchDir;
namespace fs = std::filesystem;

TEST(PageTextCodec, EveryCodePointComesBackAndCutTextOrBatchIsRefused) {
    const std::u32string texts[] = {U"", U"a b\nc", U"請求書 𠮷", std::u32string{0xD800, U'x', 0xDFFF}, std::u32string(3, U'\0'),
                                    U"Invoice no. 12請求書 total 7,000 yen\n𠮷 a longer ASCII run, then ～"};
    for (const std::u32string& text : texts) EXPECT_EQ(decode_page_text(encode_page_text(text)), text);
    for (const char32_t* text : {U"x𠮷", U"sixteen ascii ch𠮷"}) {
        const std::string cut = encode_page_text(text);
        EXPECT_FALSE(decode_page_text(cut.substr(0, cut.size() - 1)));
    }
    std::string batch, seen;
    append_to_batch(batch, 7, PageSource::recognised, U"請求書");
    append_to_batch(batch, 8, PageSource::text_layer, U"");
    const auto note = [&](int page, PageSource source, std::string_view bytes) {
        seen += std::to_string(page) + ":" + std::to_string(static_cast<int>(source)) + ":" + std::string(bytes) + ";";
    };
    EXPECT_TRUE(visit_batch(batch, note));
    EXPECT_EQ(seen, "7:1:請求書;8:0:;");
    seen.clear();
    EXPECT_FALSE(visit_batch(batch.substr(0, batch.size() - 1), note));
    EXPECT_EQ(seen, "") << "a cut batch stores no page";
}

TEST(CacheCap, OneGibibyteOrHalfOfWhatIsLeft) {
    constexpr int64_t MiB = int64_t{1} << 20;
    struct Case { const char* name; int64_t stored, free, cap; };
    const Case cases[] = {
        {"plenty of space", 0, 100 * 1024 * MiB, 1024 * MiB},
        {"half of what the cache and the free space share", 10 * MiB, 10 * MiB, 10 * MiB},
        {"a full disk halves the cache", 100 * MiB, 0, 50 * MiB},
    };
    for (const Case& c : cases) EXPECT_EQ(cache_cap(c.stored, c.free), c.cap) << c.name;
}

class PageCacheTest : public ::testing::Test {
protected:
    PageCacheTest() : db_file_(dir_ / "cache/pages.sqlite3"), db_(open_cache_database(db_file_)), cache_(*db_) {}

    // A document of the given page texts, stored as a worker sends them.
    FileIdentity stored(const std::string& name, const std::vector<std::u32string>& pages, int pages_said) {
        zuvediv_test::write_file(dir_.path() / name, name);
        const FileIdentity identity = *identify_file(dir_ / name);
        const int64_t id = cache_.start(identity);
        std::string batch;
        for (size_t i = 0; i < pages.size(); ++i) append_to_batch(batch, static_cast<int>(i), PageSource::text_layer, pages[i]);
        EXPECT_TRUE(cache_.add_pages(id, batch));
        cache_.finish(id, identity, pages_said);
        return identity;
    }

    ScratchDir dir_;
    std::string db_file_;
    std::unique_ptr<SqliteDb> db_;
    PageCache cache_;
};

TEST_F(PageCacheTest, OnlyWholeUnchangedDocumentsAreFound) {
    const FileIdentity whole = stored("whole.pdf", {U"one", U"", U"three"}, 3);
    std::vector<std::u32string> pages;
    const auto note = [&](int, const std::u32string& chars, PageSource) { return pages.push_back(chars), true; };
    ASSERT_TRUE(cache_.find(whole) && cache_.read_pages(*cache_.find(whole), note));
    EXPECT_EQ(pages, (std::vector<std::u32string>{U"one", U"", U"three"}));
    EXPECT_FALSE(cache_.find(stored("short.pdf", {U"one"}, 2))) << "a page missing";
    FileIdentity changed = whole;
    changed.ctime_ns += 1;
    EXPECT_FALSE(cache_.find(changed));
    // Changed between the start and the end of its reading.
    const FileIdentity before = *identify_file(dir_ / "whole.pdf");
    const int64_t id = cache_.start(before);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    zuvediv_test::write_file(dir_.path() / "whole.pdf", "new");
    cache_.finish(id, before, 0);
    EXPECT_FALSE(cache_.find(before));
}

TEST_F(PageCacheTest, LeastRecentlyUsedGoFirst) {
    const FileIdentity old_one = stored("a.pdf", {std::u32string(100, U'a')}, 1);
    const FileIdentity used_one = stored("b.pdf", {std::u32string(100, U'b')}, 1);
    const FileIdentity new_one = stored("c.pdf", {std::u32string(100, U'c')}, 1);
    cache_.touch(cache_.find(used_one)->id);
    cache_.keep_within(250);
    EXPECT_FALSE(cache_.find(old_one));
    EXPECT_TRUE(cache_.find(used_one));
    EXPECT_TRUE(cache_.find(new_one));
    EXPECT_EQ(cache_.stored_bytes(), 200);
}

TEST_F(PageCacheTest, VanishedFilesBelowTheSearchedFolderGo) {
    fs::create_directories(dir_.path() / "in/deep");
    fs::create_directories(dir_.path() / "in2");
    const FileIdentity kept = stored("in/kept.pdf", {U"k"}, 1);
    const FileIdentity deep = stored("in/deep/gone.pdf", {U"g"}, 1);
    const FileIdentity beside = stored("in2/gone.pdf", {U"g"}, 1);
    fs::remove(dir_.path() / "in/deep/gone.pdf");
    fs::remove(dir_.path() / "in2/gone.pdf");
    cache_.drop_missing_below(identity_path(dir_ / "in"));
    EXPECT_TRUE(cache_.find(kept));
    EXPECT_FALSE(cache_.find(deep));
    EXPECT_TRUE(cache_.find(beside)) << "not below the folder";
}

TEST_F(PageCacheTest, AnotherFormatVersionIsRebuiltNotRead) {
    const FileIdentity identity = stored("a.pdf", {U"a"}, 1);
    const auto version_of = [](SqliteDb& db) {
        Statement check(db, "PRAGMA user_version");
        EXPECT_TRUE(check.step());
        const int64_t version = check.integer(0);
        check.run();
        return version;
    };
    const int64_t current = version_of(*db_);
    for (const char* version : {"PRAGMA user_version = 99", "PRAGMA user_version = 0"}) {
        db_->exec(version);
        const std::unique_ptr<SqliteDb> reopened = open_cache_database(db_file_);
        EXPECT_FALSE(PageCache(*reopened).find(identity)) << version;
        EXPECT_EQ(version_of(*reopened), current) << version;
    }
}

}  // namespace
}  // namespace zuvediv
