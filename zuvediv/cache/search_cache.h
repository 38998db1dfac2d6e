#pragma once
// One search's use of the page-text cache. Before any worker starts, every
// file is looked up: a complete record of the unchanged file is matched from
// its stored page text at once, the rest get a fresh record that the pages
// their worker sends fill. The coordinator stores those between handing out
// work and waiting for it, so that at -j 1 the storing runs beside the
// reading. After the workers, documents read whole are marked complete, the
// others dropped, and the cache trimmed. Workers inherit the coordinator's
// connection only as memory they leave alone: none may use it across fork().
// A cache that cannot be used is said once; the search goes on without it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cache/file_identity.h"
#include "cache/page_cache.h"
#include "cache/sqlite_db.h"
#include "documents/document_search.h"
#include "documents/pdf_file_list.h"

namespace zuvediv {

class SearchCache {
public:
    // An empty database_file is a cache that is not used (-N).
    explicit SearchCache(std::string database_file) : file_(std::move(database_file)) {}
    // The cache in its usual place, unless -N.
    static SearchCache for_run(bool no_cache);

    // A stored page is used as this search would read it: recognised text
    // only when recognise_scans, a page left unrecognised never then, and a
    // page partly recognised not without.
    void look_up(const std::vector<PdfFile>& files, const TextFolder& folding, const PhraseMatcher& matcher,
                 bool images, bool recognise_scans);
    // The result matched from stored text, once; none for a file to read.
    std::optional<DocumentResult> take_result(size_t index);
    // The files a worker reads, in file order: the ones not stored, and with
    // -m the stored ones with hits, for the images of those pages only.
    const std::vector<size_t>& to_read() const { return to_read_; }
    const std::vector<int>* only_pages(size_t index) const;
    // Whether the pages read of the file are to be sent to keep_text.
    bool keeps_text(size_t index) const { return entries_.at(index).started != 0; }
    void keep_text(size_t index, std::string_view batch);
    // Stores what was kept once there is plenty of it, in one transaction:
    // one per document cost Wine a dozen lock calls each.
    void store_kept_text_when_plenty();
    void read_done(size_t index, DocumentResult& result);
    // searched_folder: "" when one file was searched.
    void close(const std::string& searched_folder);

private:
    struct Entry {
        std::optional<FileIdentity> identity;
        int64_t stored_id = 0;
        std::optional<DocumentResult> stored_result;
        std::vector<int> hit_pages;  // with -m
        int64_t started = 0;         // the record a worker fills
        std::optional<int> pages_read;
    };
    void match_stored(PageCache& cache, const TextFolder& folding, const PhraseMatcher& matcher, bool images,
                      bool recognise_scans);
    void start_records(PageCache& cache);
    void give_up(const std::string& reason);
    void store_kept_text();

    std::string file_;
    std::unique_ptr<SqliteDb> db_;
    std::vector<Entry> entries_;
    std::vector<std::pair<size_t, std::string>> kept_;  // entry, batch
    size_t kept_bytes_ = 0;
    std::vector<size_t> to_read_;
};

// The cap: 1 GiB, or half of what the cache and the free space share.
int64_t cache_cap(int64_t stored_bytes, int64_t free_bytes);

}  // namespace zuvediv
