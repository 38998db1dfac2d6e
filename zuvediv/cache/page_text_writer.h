#pragma once
// Keeps the pages a worker reads, in batches, each batch one transaction on
// the worker's own connection (one per process: a connection must not cross
// fork()). A failure stops the writing quietly: the coordinator then finds
// the document incomplete and drops it.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zuvediv {

class PageTextWriter {
public:
    PageTextWriter() = default;  // writes nothing
    PageTextWriter(std::string database_file, int64_t document) : file_(std::move(database_file)), document_(document) {}
    bool active() const { return document_ != 0; }
    void add(int page, const std::u32string& chars);
    void finish();  // writes what is left

private:
    void flush();
    std::string file_;
    int64_t document_ = 0;
    std::vector<std::pair<int, std::string>> pending_;
    size_t pending_bytes_ = 0;
};

}  // namespace zuvediv
