#include "cache/page_cache.h"

#include <chrono>
#include <filesystem>
#include <vector>

#include "cache/page_text_codec.h"

namespace zuvediv {
namespace {

// A record left incomplete this long ago belongs to a search that was killed.
constexpr int64_t kAbandonedAfterNs = int64_t{48} * 3600 * 1000000000;

void bind_identity(Statement& statement, const FileIdentity& id) {
    statement.bind(1, id.path).bind(2, id.size).bind(3, id.mtime_ns).bind(4, id.ctime_ns).bind(5, id.inode).bind(6, id.device);
}

}  // namespace

int64_t now_ns() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

std::optional<CachedDocument> PageCache::find(const FileIdentity& identity) {
    Statement query(db_,
                    "SELECT id, page_count FROM documents WHERE path = ?1 AND size = ?2 AND mtime_ns = ?3"
                    " AND ctime_ns = ?4 AND inode = ?5 AND device = ?6 AND page_count IS NOT NULL");
    bind_identity(query, identity);
    if (!query.step()) return std::nullopt;
    CachedDocument found{query.integer(0), static_cast<int>(query.integer(1))};
    query.run();
    return found;
}

bool PageCache::read_pages(const CachedDocument& document, const StoredPageVisitor& visit) {
    Statement query(db_, "SELECT page, text, source FROM pages WHERE document = ? ORDER BY page");
    query.bind(1, document.id);
    int expected = 0;
    while (query.step()) {
        const std::optional<std::u32string> chars = decode_page_text(query.blob(1));
        const std::optional<PageSource> source = stored_page_source(query.integer(2));
        if (query.integer(0) != expected || !chars || !source) return false;
        if (!visit(expected++, *chars, *source)) return false;
    }
    return expected == document.pages;
}

void PageCache::touch(int64_t id) { Statement(db_, "UPDATE documents SET used = ? WHERE id = ?").bind(1, now_ns()).bind(2, id).run(); }

int64_t PageCache::start(const FileIdentity& identity) {
    Statement earlier(db_, "SELECT id FROM documents WHERE path = ?");
    earlier.bind(1, identity.path);
    while (earlier.step()) drop(earlier.integer(0));
    Statement insert(db_,
                     "INSERT INTO documents (path, size, mtime_ns, ctime_ns, inode, device, used)"
                     " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    bind_identity(insert, identity);
    insert.bind(7, now_ns()).run();
    return db_.last_insert_id();
}

bool PageCache::add_pages(int64_t id, std::string_view batch) {
    Statement insert(db_, "INSERT INTO pages (document, page, text, source) VALUES (?, ?, ?, ?)");
    int64_t bytes = 0;
    const bool whole = visit_batch(batch, [&](int page, PageSource source, std::string_view text) {
        insert.bind(1, id).bind(2, page).bind_blob(3, text).bind(4, static_cast<int64_t>(source)).run();
        bytes += static_cast<int64_t>(text.size());
    });
    // The record adds up its size as it fills, so that finishing it reads no page.
    Statement(db_, "UPDATE documents SET bytes = bytes + ? WHERE id = ?").bind(1, bytes).bind(2, id).run();
    return whole;
}

void PageCache::finish(int64_t id, const FileIdentity& started, int pages) {
    const std::optional<FileIdentity> now = identify_file(started.path);
    Statement count(db_, "SELECT count(*) FROM pages WHERE document = ?");  // the key's index alone
    count.bind(1, id).step();
    const int64_t rows = count.integer(0);
    count.run();
    if (!now || !(*now == started) || rows != pages) return drop(id);
    Statement complete(db_, "UPDATE documents SET page_count = ? WHERE id = ?");
    complete.bind(1, pages).bind(2, id).run();
    // Our record was replaced by a search running at the same time.
    if (db_.changes() == 0) drop(id);
}

void PageCache::drop(int64_t id) {
    Statement(db_, "DELETE FROM pages WHERE document = ?").bind(1, id).run();
    Statement(db_, "DELETE FROM documents WHERE id = ?").bind(1, id).run();
}

void PageCache::drop_missing_below(const std::string& folder) {
    // Paths below "/a/b" sort between "/a/b/" and "/a/b0" ('0' follows '/').
    Statement query(db_, "SELECT id, path FROM documents WHERE path > ? AND path < ?");
    query.bind(1, folder + "/").bind(2, folder + "0");
    std::vector<int64_t> gone;
    while (query.step()) {
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::u8path(query.text(1)), ec) && !ec) gone.push_back(query.integer(0));
    }
    for (int64_t id : gone) drop(id);
}

void PageCache::keep_within(int64_t cap_bytes) {
    std::vector<int64_t> evicted;
    Statement query(db_, "SELECT id, bytes, page_count IS NULL, used FROM documents ORDER BY used DESC");
    const int64_t abandoned_before = now_ns() - kAbandonedAfterNs;
    int64_t kept = 0;
    while (query.step()) {
        kept += query.integer(1);
        if (kept > cap_bytes || (query.integer(2) && query.integer(3) < abandoned_before)) evicted.push_back(query.integer(0));
    }
    for (int64_t id : evicted) drop(id);
    // Pages whose record a search running at the same time replaced. Found
    // through the key's index, which is small: a scan of the table itself
    // would read every stored page.
    db_.exec("DELETE FROM pages WHERE rowid IN"
             " (SELECT rowid FROM pages WHERE document NOT IN (SELECT id FROM documents))");
}

int64_t PageCache::stored_bytes() {
    Statement query(db_, "SELECT coalesce(sum(bytes), 0) FROM documents");
    query.step();
    const int64_t bytes = query.integer(0);
    query.run();
    return bytes;
}

}  // namespace zuvediv
