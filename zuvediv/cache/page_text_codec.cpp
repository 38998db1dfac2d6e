#include "cache/page_text_codec.h"

#include <cstdint>
#include <cstring>
#include <vector>
#include <unicode/utf8.h>

#include "common/little_endian.h"
#include "text/page_hits.h"

namespace zuvediv {
namespace {

constexpr size_t kPageHeaderBytes = 12;  // index, source, length

bool eight_ascii_bytes(const uint8_t* bytes) {
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return (word & 0x8080808080808080u) == 0;
}

}  // namespace

std::string encode_page_text(const std::u32string& chars) { return to_utf8_as_is(chars); }

std::optional<std::u32string> decode_page_text(std::string_view bytes) {
    // Never more characters than bytes: written in place, then cut to size.
    std::u32string chars(bytes.size(), U'\0');
    size_t count = 0;
    const uint8_t* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const int32_t length = static_cast<int32_t>(bytes.size());
    for (int32_t i = 0; i < length;) {
        if (length - i >= 8 && eight_ascii_bytes(data + i)) {  // most stored text
            for (int k = 0; k < 8; ++k) chars[count + k] = data[i + k];
            count += 8, i += 8;
            continue;
        }
        if (i + U8_COUNT_TRAIL_BYTES_UNSAFE(data[i]) >= length) return std::nullopt;
        UChar32 c;
        U8_NEXT_UNSAFE(data, i, c);  // a surrogate too, as it was written
        chars[count++] = static_cast<char32_t>(c);
    }
    chars.resize(count);
    return chars;
}

void append_to_batch(std::string& batch, int page, PageSource source, const std::u32string& chars) {
    const std::string bytes = encode_page_text(chars);
    AppendLittleEndian32(batch, static_cast<uint32_t>(page));
    AppendLittleEndian32(batch, static_cast<uint32_t>(source));
    AppendLittleEndian32(batch, static_cast<uint32_t>(bytes.size()));
    batch += bytes;
}

bool visit_batch(std::string_view batch, const BatchPageVisitor& visit) {
    struct Page {
        int index;
        PageSource source;
        std::string_view bytes;
    };
    std::vector<Page> pages;
    for (size_t at = 0; at < batch.size();) {
        if (batch.size() - at < kPageHeaderBytes) return false;
        const uint32_t page = ReadLittleEndian(batch.data() + at, 4);
        const std::optional<PageSource> source = stored_page_source(ReadLittleEndian(batch.data() + at + 4, 4));
        const uint32_t length = ReadLittleEndian(batch.data() + at + 8, 4);
        at += kPageHeaderBytes;
        if (page > INT32_MAX || !source || batch.size() - at < length) return false;
        pages.push_back({static_cast<int>(page), *source, batch.substr(at, length)});
        at += length;
    }
    for (const Page& page : pages) visit(page.index, page.source, page.bytes);
    return true;
}

}  // namespace zuvediv
