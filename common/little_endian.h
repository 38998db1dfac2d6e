#pragma once
// Little-endian integers in byte buffers: the stored position record, dialog
// init data and the tool's worker wire format all use this one layout.
#include <cstddef>
#include <cstdint>

template <typename Bytes>
void AppendLittleEndian32(Bytes& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<typename Bytes::value_type>((value >> shift) & 0xFF));
}

// Reads `width` bytes (at most 4) starting at `in`; the caller checks the bounds.
template <typename Byte>
uint32_t ReadLittleEndian(const Byte* in, std::size_t width) {
    uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) value = (value << 8) | static_cast<uint8_t>(in[i]);
    return value;
}
