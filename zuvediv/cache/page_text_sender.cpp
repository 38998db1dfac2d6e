#include "cache/page_text_sender.h"

#include "cache/page_text_codec.h"

namespace zuvediv {
namespace {

// Small enough that the coordinator stores a long document as it goes.
constexpr size_t kBatchBytes = size_t{1} << 20;

}  // namespace

void PageTextSender::add(int page, const std::u32string& chars, PageSource source) {
    if (!active()) return;
    append_to_batch(batch_, page, source, chars);
    if (batch_.size() >= kBatchBytes) finish();
}

void PageTextSender::finish() {
    if (batch_.empty()) return;
    send_(batch_);
    batch_.clear();
}

}  // namespace zuvediv
