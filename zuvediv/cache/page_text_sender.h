#pragma once
// Keeps the pages a worker reads, in batches, each batch one transaction on
// the worker's own connection (one per process: a connection must not cross
// fork()). A failure stops the writing quietly: the coordinator then finds
// the document incomplete and drops it.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ocr/page_reader.h"

namespace zuvediv {

class PageTextWriter {
public:
    PageTextWriter() = default;  // writes nothing
    PageTextWriter(std::string database_file, int64_t document) : file_(std::move(database_file)), document_(document) {}
    bool active() const { return document_ != 0; }
    void add(int page, const std::u32string& chars, PageSource source);
    void finish();  // writes what is left

private:
    void flush();
    std::string file_;
    int64_t document_ = 0;
    struct Page {
        int index;
        std::string bytes;
        PageSource source;
    };
    std::vector<Page> pending_;
    size_t pending_bytes_ = 0;
};

}  // namespace zuvediv
