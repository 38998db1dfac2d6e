#pragma once
// A thin owner of an SQLite connection and its statements. Every failure
// throws SqliteError, so a caller can give up on the cache in one place.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace zuvediv {

class SqliteError : public std::runtime_error {
public:
    enum Kind { other, busy, damaged };  // busy: another connection held a lock
    explicit SqliteError(const std::string& message, Kind kind = other) : std::runtime_error(message), kind(kind) {}
    const Kind kind;
};

class SqliteDb {
public:
    explicit SqliteDb(const std::string& path);  // opens or creates, never through a link
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;
    void exec(const char* sql);
    int64_t last_insert_id() const;
    int changes() const;  // rows the last statement changed
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(SqliteDb& db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& bind(int index, int64_t value);
    Statement& bind(int index, std::string_view text);
    Statement& bind_blob(int index, std::string_view bytes);
    bool step();  // true while a row is there
    void run();   // a statement without rows
    int64_t integer(int column) const;
    std::string text(int column) const;
    std::string_view blob(int column) const;  // valid until the next step

private:
    void check(int code) const;
    SqliteDb& db_;
    sqlite3_stmt* statement_ = nullptr;
};

// Commits when told to; rolls back if it goes out of scope first. A writing
// one takes the write lock at once, so it never has to give up half-way.
class Transaction {
public:
    enum Kind { reading, writing };
    explicit Transaction(SqliteDb& db, Kind kind = writing);
    ~Transaction();
    void commit();

private:
    SqliteDb& db_;
    bool open_ = true;
};

}  // namespace zuvediv
