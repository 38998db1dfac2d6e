#pragma once
// The cache copies the text of documents that only their owner may read, so
// its folder and files are kept to this user: made private when they are
// created, tightened when an older run left them wider, and not used at all
// when someone else could have placed or changed them.
#include <string>

namespace zuvediv {

// Makes the folder of the database file (and the file itself) ready for a
// private cache. Returns why the cache must not be used, "" when it may.
std::string make_cache_place_private(const std::string& database_file);

}  // namespace zuvediv
