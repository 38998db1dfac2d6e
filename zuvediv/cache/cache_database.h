#pragma once
// How the page-text cache's database is opened: one file (see
// cache_location.h), in WAL mode so that searches running at once share
// it, with deleted rows overwritten. A database of another format version
// is emptied and made anew, never read.
#include <memory>
#include <string>

#include "cache/sqlite_db.h"

namespace zuvediv {

// Creates the folder and the tables as needed; throws SqliteError.
std::unique_ptr<SqliteDb> open_cache_database(const std::string& file);

}  // namespace zuvediv
