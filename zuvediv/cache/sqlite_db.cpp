#include "cache/sqlite_db.h"

#include <sqlite3.h>

namespace zuvediv {
namespace {

// Another search writing at the same time holds the lock this long at most.
constexpr int kBusyTimeoutMs = 10000;

SqliteError::Kind kind_of(int code) {
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return SqliteError::busy;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return SqliteError::damaged;
    default: return SqliteError::other;
    }
}

[[noreturn]] void fail(sqlite3* db, int code) {
    throw SqliteError(db ? sqlite3_errmsg(db) : sqlite3_errstr(code), kind_of(code));
}

}  // namespace

SqliteDb::SqliteDb(const std::string& path) {
    const int code = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW, nullptr);
    if (code != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        sqlite3_close(db_);
        throw SqliteError(message);
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
}

SqliteDb::~SqliteDb() { sqlite3_close(db_); }

void SqliteDb::exec(const char* sql) {
    const int code = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) fail(db_, code);
}

int64_t SqliteDb::last_insert_id() const { return sqlite3_last_insert_rowid(db_); }

int SqliteDb::changes() const { return sqlite3_changes(db_); }

Statement::Statement(SqliteDb& db, const char* sql) : db_(db) {
    check(sqlite3_prepare_v2(db.handle(), sql, -1, &statement_, nullptr));
}

Statement::~Statement() { sqlite3_finalize(statement_); }

void Statement::check(int code) const {
    if (code != SQLITE_OK) fail(db_.handle(), code);
}

Statement& Statement::bind(int index, int64_t value) {
    check(sqlite3_bind_int64(statement_, index, value));
    return *this;
}

Statement& Statement::bind(int index, std::string_view text) {
    check(sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
    return *this;
}

Statement& Statement::bind_blob(int index, std::string_view bytes) {
    check(sqlite3_bind_blob(statement_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT));
    return *this;
}

bool Statement::step() {
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) return true;
    sqlite3_reset(statement_);
    if (code != SQLITE_DONE) fail(db_.handle(), code);
    return false;
}

void Statement::run() {
    while (step()) {
    }
}

int64_t Statement::integer(int column) const { return sqlite3_column_int64(statement_, column); }

std::string Statement::text(int column) const {
    const unsigned char* chars = sqlite3_column_text(statement_, column);
    return chars ? std::string(reinterpret_cast<const char*>(chars),
                               static_cast<size_t>(sqlite3_column_bytes(statement_, column)))
                 : std::string();
}

std::string_view Statement::blob(int column) const {
    const void* bytes = sqlite3_column_blob(statement_, column);
    return bytes ? std::string_view(static_cast<const char*>(bytes),
                                    static_cast<size_t>(sqlite3_column_bytes(statement_, column)))
                 : std::string_view();
}

Transaction::Transaction(SqliteDb& db, Kind kind) : db_(db) { db_.exec(kind == writing ? "BEGIN IMMEDIATE" : "BEGIN"); }

Transaction::~Transaction() {
    if (open_) sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    db_.exec("COMMIT");
    open_ = false;
}

}  // namespace zuvediv
