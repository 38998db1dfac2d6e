// The page-text cache copies text that only its owner may read: its folder
// and files stay private whatever the umask, a widened cache is tightened,
// and one that someone else could have placed or changed is not used.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "cache/sqlite_db.h"
#include "support/pdf_fixtures.h"

namespace zuvediv_test {
namespace {

const char* const kFromCache = "キャッシュから読んだファイル: ";
const char* const kWithoutCache = "キャッシュなしで実行します";

class Umask {
public:
    explicit Umask(mode_t mask) : previous_(::umask(mask)) {}
    ~Umask() { ::umask(previous_); }

private:
    mode_t previous_;
};

std::string mode_of(const fs::path& path) {
    struct stat info {};
    char octal[8] = "none";
    if (::lstat(path.c_str(), &info) == 0) std::snprintf(octal, sizeof octal, "%04o", info.st_mode & 07777);
    return octal;
}

// "name mode" for the folder and every entry in it, sorted.
std::vector<std::string> modes_below(const fs::path& folder) {
    std::vector<std::string> modes{"folder " + mode_of(folder)};
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        modes.push_back(entry.path().filename().string() + " " + mode_of(entry.path()));
    std::sort(modes.begin() + 1, modes.end());
    return modes;
}

std::string said_once(const ToolRun& run) {
    const size_t first = run.err.find(kWithoutCache);
    if (first == std::string::npos) return "not said: " + run.err;
    return first == run.err.rfind(kWithoutCache) ? "" : "said twice: " + run.err;
}

TEST(PrivateCache, FreshCacheIsPrivateUnderAWideUmaskAndStaysSoWhenWidened) {
    const ScratchDir dir;
    const Env env = {{"XDG_CACHE_HOME", dir / "cache"}};
    const fs::path folder = dir.path() / "cache" / "zuvediv";
    const std::string docs = fixtures().docs.string();
    const Umask wide(022);
    ASSERT_EQ(run_tool_binary({"-s", "invoice", docs}, env).exit_code, 0);
    // A reader that stays open keeps SQLite's WAL and shared-memory files.
    zuvediv::SqliteDb reader((folder / "pages.sqlite3").string());
    reader.exec("SELECT count(*) FROM pages");
    ASSERT_EQ(run_tool_binary({"-s", "請求書", docs}, env).exit_code, 0);
    const std::vector<std::string> private_modes = {"folder 0700", "pages.sqlite3 0600", "pages.sqlite3-shm 0600",
                                                    "pages.sqlite3-wal 0600"};
    EXPECT_EQ(modes_below(folder), private_modes);

    fs::permissions(folder, fs::perms::group_read | fs::perms::others_read | fs::perms::group_exec |
                                fs::perms::others_exec, fs::perm_options::add);
    for (const char* file : {"pages.sqlite3", "pages.sqlite3-wal", "pages.sqlite3-shm"})
        fs::permissions(folder / file, fs::perms::group_read | fs::perms::others_read, fs::perm_options::add);
    const ToolRun widened = run_tool_binary({"-s", "invoice", docs}, env);
    EXPECT_EQ(modes_below(folder), private_modes);
    EXPECT_NE(widened.out.find(kFromCache), std::string::npos) << "still answers: " << widened.out;
    EXPECT_EQ(widened.err, "");
}

struct UnsafeCache {
    const char* name;
    void (*plant)(const fs::path& folder, const fs::path& elsewhere);
};

const UnsafeCache kUnsafeCaches[] = {
    {"folder is a link", [](const fs::path& folder, const fs::path& elsewhere) { fs::create_directory_symlink(elsewhere, folder); }},
    {"folder writable by others",
     [](const fs::path& folder, const fs::path&) {
         fs::create_directory(folder);
         fs::permissions(folder, fs::perms::all);
     }},
    {"WAL file is a link",
     [](const fs::path& folder, const fs::path& elsewhere) {
         fs::create_directory(folder);
         fs::permissions(folder, fs::perms::owner_all);
         fs::create_symlink(elsewhere / "victim", folder / "pages.sqlite3-wal");
     }},
    {"folder owned by another user",
     [](const fs::path& folder, const fs::path&) {
         fs::create_directory(folder);
         fs::permissions(folder, fs::perms::owner_all);
         ASSERT_EQ(::chown(folder.c_str(), 4242, 4242), 0) << "the tests run as root";
     }},
};

TEST(PrivateCache, CacheSomeoneElseCouldHavePlacedIsNotUsedAndNothingIsWrittenThroughIt) {
    const ScratchDir dir;
    const std::string docs = fixtures().docs.string();
    const std::string uncached = dir / "uncached.csv";
    ASSERT_EQ(run_tool_binary({"-N", "-s", "-o", uncached, "invoice", docs}).exit_code, 0);
    for (const UnsafeCache& unsafe : kUnsafeCaches) {
        const ScratchDir cache, elsewhere;
        unsafe.plant(cache.path() / "zuvediv", elsewhere.path());
        const std::string csv = dir / "list.csv";
        const ToolRun run = run_tool_binary({"-s", "-o", csv, "invoice", docs}, {{"XDG_CACHE_HOME", cache.path()}});
        EXPECT_EQ(run.exit_code, 0) << unsafe.name;
        EXPECT_EQ(said_once(run), "") << unsafe.name;
        EXPECT_EQ(ReadFileBytes(csv), ReadFileBytes(uncached)) << unsafe.name;
        EXPECT_TRUE(fs::is_empty(elsewhere.path())) << unsafe.name << ": written through a link";
        if (!fs::is_symlink(cache.path() / "zuvediv"))
            EXPECT_FALSE(fs::exists(cache.path() / "zuvediv" / "pages.sqlite3")) << unsafe.name;
    }
}

}  // namespace
}  // namespace zuvediv_test
