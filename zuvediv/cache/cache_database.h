#pragma once
// Where the page-text cache lives and how its database is opened: one file
// in $XDG_CACHE_HOME/zuvediv/ (~/.cache/zuvediv/ when that is unset), in
// WAL mode so that searches running at once share it, with deleted rows
// overwritten. A database of another format version is emptied and made
// anew, never read.
#include <memory>
#include <string>

#include "cache/sqlite_db.h"

namespace zuvediv {

// The database file, "" when neither XDG_CACHE_HOME nor HOME says where.
std::string default_cache_file();

// Creates the folder and the tables as needed; throws SqliteError.
std::unique_ptr<SqliteDb> open_cache_database(const std::string& file);

}  // namespace zuvediv
