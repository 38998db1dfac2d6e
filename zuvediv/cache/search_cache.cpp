#include "cache/search_cache.h"

#include <algorithm>
#include <filesystem>

#include "cache/cache_database.h"
#include "cache/cache_location.h"
#include "cache/page_cache.h"
#include "output/console.h"
#include "text/page_hits.h"

namespace zuvediv {
namespace {

constexpr int64_t kDefaultCapBytes = int64_t{1} << 30;
constexpr size_t kPlentyOfKeptBytes = size_t{4} << 20;

std::vector<int> pages_with_hits(const DocumentResult& result) {
    std::vector<int> pages;
    for (const DocumentHit& hit : result.hits) {
        if (pages.empty() || pages.back() != hit.page) pages.push_back(hit.page);
    }
    return pages;
}

int64_t free_bytes_at(const std::string& file) {
    std::error_code ec;
    const std::filesystem::space_info space = std::filesystem::space(std::filesystem::u8path(file).parent_path(), ec);
    return ec ? 0 : static_cast<int64_t>(space.available);
}

void say_running_without_cache(const std::string& reason) {
    write_err("Zuvediv: キャッシュを使えないため、キャッシュなしで実行します (" + reason + ")\n");
}

}  // namespace

int64_t cache_cap(int64_t stored_bytes, int64_t free_bytes) {
    return std::min(kDefaultCapBytes, (stored_bytes + free_bytes) / 2);
}

SearchCache SearchCache::for_run(bool no_cache) {
    if (no_cache) return SearchCache("");
    CacheLocation place = default_cache_location();
    if (place.file.empty()) say_running_without_cache(place.missing);
    return SearchCache(std::move(place.file));
}

void SearchCache::give_up(const std::string& reason) {
    if (file_.empty()) return;
    say_running_without_cache(reason);
    file_.clear();
    db_.reset();
    kept_.clear();
    kept_bytes_ = 0;
    for (Entry& entry : entries_) entry.started = 0;
}

void SearchCache::look_up(const std::vector<PdfFile>& files, const TextFolder& folding, const PhraseMatcher& matcher,
                          bool images, bool recognise_scans) {
    entries_.assign(files.size(), Entry{});
    for (size_t i = 0; i < files.size() && !file_.empty(); ++i) entries_[i].identity = identify_file(files[i].path);
    if (!file_.empty()) {
        try {
            db_ = open_cache_database(file_);
            PageCache cache(*db_);
            {
                Transaction reading(*db_, Transaction::reading);
                match_stored(cache, folding, matcher, images, recognise_scans);
            }
            Transaction writing(*db_);
            start_records(cache);
            writing.commit();
        } catch (const SqliteError& e) {
            give_up(e.what());
        }
    }
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (!entries_[i].stored_result || !entries_[i].hit_pages.empty()) to_read_.push_back(i);
    }
}

void SearchCache::match_stored(PageCache& cache, const TextFolder& folding, const PhraseMatcher& matcher, bool images,
                               bool recognise_scans) {
    for (Entry& entry : entries_) {
        if (!entry.identity) continue;
        const std::optional<CachedDocument> stored = cache.find(*entry.identity);
        if (!stored) continue;
        DocumentResult result;
        result.pages = stored->pages;
        result.from_cache = true;
        const bool whole = cache.read_pages(*stored, [&](int page, const std::u32string& chars, PageSource source) {
            // A page left unrecognised is recognised now; the layer's part of
            // a page partly recognised is not kept apart, so both are read afresh.
            if (source == PageSource::not_recognised && recognise_scans) return false;
            if (source == PageSource::partly_recognised && !recognise_scans) return false;
            if (source == PageSource::recognised && !recognise_scans) return true;  // its text layer holds nothing
            if (read_by_recogniser(source)) ++result.recognised_pages;
            add_listed_hits(result.hits, page, chars, find_hit_ranges(chars, folding, matcher));
            return true;
        });
        if (!whole) continue;  // read afresh, and stored anew
        entry.stored_id = stored->id;
        if (images) entry.hit_pages = pages_with_hits(result);
        entry.stored_result = std::move(result);
    }
}

void SearchCache::start_records(PageCache& cache) {
    for (Entry& entry : entries_) {
        if (entry.stored_result) cache.touch(entry.stored_id);
        else if (entry.identity) entry.started = cache.start(*entry.identity);
    }
}

std::optional<DocumentResult> SearchCache::take_result(size_t index) {
    Entry& entry = entries_.at(index);
    if (!entry.hit_pages.empty()) return std::nullopt;
    std::optional<DocumentResult> result = std::move(entry.stored_result);
    entry.stored_result.reset();
    return result;
}

const std::vector<int>* SearchCache::only_pages(size_t index) const {
    const Entry& entry = entries_.at(index);
    return entry.hit_pages.empty() ? nullptr : &entry.hit_pages;
}

void SearchCache::keep_text(size_t index, std::string_view batch) {
    if (!keeps_text(index)) return;
    kept_.emplace_back(index, std::string(batch));
    kept_bytes_ += batch.size();
}

void SearchCache::store_kept_text_when_plenty() {
    if (kept_bytes_ >= kPlentyOfKeptBytes) store_kept_text();
}

void SearchCache::store_kept_text() {
    if (kept_.empty() || !db_) return;
    try {
        PageCache cache(*db_);
        Transaction writing(*db_);
        for (const auto& [index, batch] : kept_) {
            Entry& entry = entries_[index];
            if (entry.started && !cache.add_pages(entry.started, batch)) {
                cache.drop(entry.started);  // a page is missing: the record could never be whole
                entry.started = 0;
            }
        }
        writing.commit();
    } catch (const SqliteError& e) {
        give_up(e.what());
    }
    kept_.clear();
    kept_bytes_ = 0;
}

void SearchCache::read_done(size_t index, DocumentResult& result) {
    Entry& entry = entries_.at(index);
    // Read again for images of the pages with hits only: the counts are the stored ones.
    if (!entry.hit_pages.empty()) {
        result.from_cache = true;
        if (entry.stored_result) result.recognised_pages = entry.stored_result->recognised_pages;
    }
    if (!entry.started) return;
    if (result.status == DocumentStatus::searched) {
        entry.pages_read = result.pages;
    } else {  // its record goes: no need to store its pages first
        for (const auto& [kept_index, batch] : kept_)
            if (kept_index == index) kept_bytes_ -= batch.size();
        kept_.erase(std::remove_if(kept_.begin(), kept_.end(), [&](const auto& kept) { return kept.first == index; }),
                    kept_.end());
    }
}

void SearchCache::close(const std::string& searched_folder) {
    store_kept_text();
    if (!db_) return;
    try {
        PageCache cache(*db_);
        Transaction writing(*db_);
        for (const Entry& entry : entries_) {
            if (!entry.started) continue;
            if (entry.pages_read) cache.finish(entry.started, *entry.identity, *entry.pages_read);
            else cache.drop(entry.started);
        }
        if (!searched_folder.empty()) cache.drop_missing_below(identity_path(searched_folder));
        cache.keep_within(cache_cap(cache.stored_bytes(), free_bytes_at(file_)));
        writing.commit();
    } catch (const SqliteError& e) {
        give_up(e.what());
    }
    db_.reset();
}

}  // namespace zuvediv
