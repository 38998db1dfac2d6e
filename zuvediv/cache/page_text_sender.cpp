#include "cache/page_text_writer.h"

#include <memory>

#include <unistd.h>

#include "cache/cache_database.h"
#include "cache/page_text_codec.h"

namespace zuvediv {
namespace {

// Bounds a worker's memory on long documents, and how long it holds the lock.
constexpr size_t kBatchBytes = size_t{4} << 20;

struct ProcessConnection {
    pid_t owner = 0;
    std::string file;
    bool failed = false;
    std::unique_ptr<SqliteDb> db;
};

// This process's connection, opened on first use; null once it failed. A
// copy inherited from the parent is left alone: never used, never closed.
SqliteDb* process_connection(const std::string& file) {
    static ProcessConnection* connection = nullptr;
    if (connection && connection->owner == ::getpid() && connection->file != file) {
        delete connection;
        connection = nullptr;
    }
    if (!connection || connection->owner != ::getpid()) connection = new ProcessConnection{::getpid(), file, false, nullptr};
    if (connection->failed) return nullptr;
    if (!connection->db) {
        try {
            connection->db = open_cache_database(file);
        } catch (const SqliteError&) {
            connection->failed = true;
        }
    }
    return connection->db.get();
}

}  // namespace

void PageTextWriter::add(int page, const std::u32string& chars, PageSource source) {
    if (!active()) return;
    pending_.push_back({page, encode_page_text(chars), source});
    pending_bytes_ += pending_.back().bytes.size();
    if (pending_bytes_ >= kBatchBytes) flush();
}

void PageTextWriter::finish() { flush(); }

void PageTextWriter::flush() {
    if (pending_.empty()) return;
    SqliteDb* db = process_connection(file_);
    try {
        if (!db) throw SqliteError("no connection");
        Transaction transaction(*db);
        Statement insert(*db, "INSERT INTO pages (document, page, text, source) VALUES (?, ?, ?, ?)");
        for (const Page& page : pending_)
            insert.bind(1, document_).bind(2, page.index).bind_blob(3, page.bytes).bind(4, static_cast<int64_t>(page.source)).run();
        // The record adds up its size as it fills, so that finishing it reads no page.
        Statement(*db, "UPDATE documents SET bytes = bytes + ? WHERE id = ?")
            .bind(1, static_cast<int64_t>(pending_bytes_)).bind(2, document_).run();
        transaction.commit();
    } catch (const SqliteError&) {
        document_ = 0;
    }
    pending_.clear();
    pending_bytes_ = 0;
}

}  // namespace zuvediv
