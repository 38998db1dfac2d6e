#pragma once
// The cache's records, as the coordinating process sees them: a document
// is found only when it is complete and its file is unchanged; its pages
// come back in order. Every call throws SqliteError on trouble.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cache/file_identity.h"
#include "cache/sqlite_db.h"
#include "ocr/page_reader.h"

namespace zuvediv {

struct CachedDocument {
    int64_t id = 0;
    int pages = 0;
};

// Page index from 0, its characters and where they came from; false when
// the page cannot answer this search.
using StoredPageVisitor = std::function<bool(int page, const std::u32string& chars, PageSource source)>;

class PageCache {
public:
    explicit PageCache(SqliteDb& db) : db_(db) {}

    std::optional<CachedDocument> find(const FileIdentity& identity);
    // False when the rows are not the document's pages 0..n-1, whole, or a
    // visit refused one.
    bool read_pages(const CachedDocument& document, const StoredPageVisitor& visit);
    void touch(int64_t id);

    // A fresh, incomplete record for the file; earlier ones for its path go.
    int64_t start(const FileIdentity& identity);
    // Stores a batch of the record's pages; false, storing none, when the
    // batch is malformed.
    bool add_pages(int64_t id, std::string_view batch);
    // Complete only if all pages came and the file is still the one started.
    void finish(int64_t id, const FileIdentity& started, int pages);
    void drop(int64_t id);

    // Forgets the documents below the folder whose files are gone.
    void drop_missing_below(const std::string& folder);
    // Drops the least recently used documents until the rest fit.
    void keep_within(int64_t cap_bytes);
    int64_t stored_bytes();

private:
    SqliteDb& db_;
};

int64_t now_ns();

}  // namespace zuvediv
