#include "cache/cache_database.h"

#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "cache/private_cache_place.h"

namespace zuvediv {
namespace {

namespace fs = std::filesystem;

// Raise whenever the tables or the stored page text change form.
constexpr int kFormatVersion = 3;

const char* const kSchema =
    "CREATE TABLE documents ("
    " id INTEGER PRIMARY KEY, path TEXT NOT NULL UNIQUE,"
    " size INTEGER NOT NULL, mtime_ns INTEGER NOT NULL, ctime_ns INTEGER NOT NULL,"
    " inode INTEGER NOT NULL, device INTEGER NOT NULL,"
    " page_count INTEGER,"  // NULL until every page is in
    " bytes INTEGER NOT NULL DEFAULT 0, used INTEGER NOT NULL);"
    "CREATE TABLE pages ("
    " document INTEGER NOT NULL, page INTEGER NOT NULL, text BLOB NOT NULL,"
    " source INTEGER NOT NULL,"  // a PageSource"
    " PRIMARY KEY (document, page));";

int format_version(SqliteDb& db) {
    Statement version(db, "PRAGMA user_version");
    return version.step() ? static_cast<int>(version.integer(0)) : 0;
}

void rebuild(SqliteDb& db) {
    Transaction transaction(db);
    if (format_version(db) == kFormatVersion) return;  // another search was first
    std::vector<std::string> tables;
    Statement list(db, "SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE 'sqlite_%'");
    while (list.step()) tables.push_back(list.text(0));
    for (const std::string& table : tables) db.exec(("DROP TABLE \"" + table + "\"").c_str());
    db.exec(kSchema);
    db.exec(("PRAGMA user_version = " + std::to_string(kFormatVersion)).c_str());
    transaction.commit();
}

void use_wal(SqliteDb& db) {
    Statement mode(db, "PRAGMA journal_mode = WAL");
    if (!mode.step() || mode.text(0) != "wal") throw SqliteError("WAL を使えません");
    mode.run();
}

void set_up(SqliteDb& db) {
    db.exec("PRAGMA secure_delete = ON");
    use_wal(db);
    db.exec("PRAGMA synchronous = NORMAL");
    if (format_version(db) != kFormatVersion) rebuild(db);
}

// A damaged file would fail every later search too; it only holds text
// that can be read again, so it goes and the next search starts afresh.
void remove_damaged(const std::string& file) {
    std::error_code ec;
    for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(fs::u8path(file + suffix), ec);
}

}  // namespace

std::unique_ptr<SqliteDb> open_cache_database(const std::string& file) {
    const std::string refusal = make_cache_place_private(file);
    if (!refusal.empty()) throw SqliteError(refusal);
    auto db = std::make_unique<SqliteDb>(file);
    // Two searches that make the database at once: turning on WAL takes a
    // lock that does not wait for the other, so try again for a while.
    const auto give_up_at = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        try {
            set_up(*db);
            return db;
        } catch (const SqliteError& e) {
            if (e.kind == SqliteError::damaged) {
                db.reset();
                remove_damaged(file);
            }
            if (e.kind != SqliteError::busy || std::chrono::steady_clock::now() > give_up_at) throw;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace zuvediv
