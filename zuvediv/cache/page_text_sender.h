#pragma once
// Hands the pages a worker reads to the coordinator, which stores them: in
// batches, so that a long document bounds the worker's memory and the
// coordinator stores while the worker reads on. A worker keeps no database
// connection: on one core per worker, the writing would be the reading's.
#include <functional>
#include <string>
#include <utility>

#include "ocr/page_reader.h"

namespace zuvediv {

class PageTextSender {
public:
    using Send = std::function<void(const std::string& batch)>;
    PageTextSender() = default;  // sends nothing
    explicit PageTextSender(Send send) : send_(std::move(send)) {}
    bool active() const { return static_cast<bool>(send_); }
    void add(int page, const std::u32string& chars, PageSource source);
    void finish();  // sends what is left

private:
    Send send_;
    std::string batch_;
};

}  // namespace zuvediv
