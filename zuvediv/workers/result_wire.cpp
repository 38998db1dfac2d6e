#include "workers/result_wire.h"

#include <cstdint>

#include "common/little_endian.h"
#include "workers/wire_codec.h"

namespace zuvediv {
namespace {

constexpr uint32_t kMagic = 0x5A56444Eu;
constexpr uint32_t kProgressMagic = 0x5A565047u;
constexpr uint32_t kMessageMagic = 0x5A564D53u;

void put(std::string& out, uint32_t v) { put_u32(out, v); }
void put(std::string& out, const std::string& s) { put_string(out, s); }

}  // namespace

std::string encode_result(const DocumentResult& result) {
    std::string out;
    put(out, kMagic);
    put(out, static_cast<uint32_t>(result.status));
    put(out, result.detail);
    put(out, static_cast<uint32_t>(result.pages));
    put(out, static_cast<uint32_t>(result.recognised_pages));
    put(out, static_cast<uint32_t>(result.library_messages));
    put(out, static_cast<uint32_t>(result.rest_from));
    put(out, static_cast<uint32_t>(result.hits.size()));
    for (const DocumentHit& hit : result.hits) {
        put(out, static_cast<uint32_t>(hit.page));
        put(out, hit.context);
    }
    put(out, static_cast<uint32_t>(result.image_errors.size()));
    for (const std::string& error : result.image_errors) put(out, error);
    put(out, kMagic);
    return out;
}

std::string framed_result(const DocumentResult& result) {
    std::string framed;
    put(framed, encode_result(result));
    return framed;
}

std::optional<DocumentResult> decode_result(const std::string& bytes) {
    WireReader in(bytes);
    DocumentResult result;
    uint32_t magic = 0, status = 0, pages = 0, recognised = 0, messages = 0, rest_from = 0, count = 0;
    if (!in.get(magic) || magic != kMagic || !in.get(status) || status > static_cast<uint32_t>(kLastDocumentStatus) ||
        !in.get(result.detail) || !in.get(pages) || !in.get(recognised) || !in.get(messages) || !in.get(rest_from) ||
        !in.get(count))
        return std::nullopt;
    result.status = static_cast<DocumentStatus>(status);
    result.pages = static_cast<int>(pages);
    result.recognised_pages = static_cast<int>(recognised);
    result.library_messages = static_cast<int>(messages);
    result.rest_from = static_cast<int>(rest_from);
    for (uint32_t i = 0; i < count; ++i) {
        DocumentHit hit;
        uint32_t page = 0;
        if (!in.get(page) || !in.get(hit.context)) return std::nullopt;
        hit.page = static_cast<int>(page);
        result.hits.push_back(std::move(hit));
    }
    if (!in.get(count)) return std::nullopt;
    for (uint32_t i = 0; i < count; ++i) {
        std::string error;
        if (!in.get(error)) return std::nullopt;
        result.image_errors.push_back(std::move(error));
    }
    if (!in.get(magic) || magic != kMagic || !in.at_end()) return std::nullopt;
    return result;
}

std::string framed_progress(const PageProgress& progress) {
    std::string payload;
    put(payload, kProgressMagic);
    put(payload, static_cast<uint32_t>(progress.page));
    put(payload, progress.recognised ? 1u : 0u);
    std::string framed;
    put(framed, payload);
    return framed;
}

std::optional<PageProgress> decode_progress(const std::string& bytes) {
    WireReader in(bytes);
    uint32_t magic = 0, page = 0, recognised = 0;
    if (!in.get(magic) || magic != kProgressMagic || !in.get(page) || !in.get(recognised) || !in.at_end()) return std::nullopt;
    return PageProgress{static_cast<int>(page), recognised == 1};
}

std::string framed_message(const std::string& payload) {
    std::string framed;
    put(framed, static_cast<uint32_t>(4 + payload.size()));
    put(framed, kMessageMagic);
    framed += payload;
    return framed;
}

std::optional<std::string_view> decode_message(const std::string& bytes) {
    if (bytes.size() < 4 || ReadLittleEndian(bytes.data(), 4) != kMessageMagic) return std::nullopt;
    return std::string_view(bytes).substr(4);
}

}  // namespace zuvediv
