#pragma once
// The worker wire's fields: 32-bit little-endian integers and strings behind
// their length. Results, the workers' setup and their orders all use it.
#include <cstdint>
#include <string>

#include "common/little_endian.h"

namespace zuvediv {

inline void put_u32(std::string& out, uint32_t v) { AppendLittleEndian32(out, v); }

inline void put_string(std::string& out, const std::string& s) {
    put_u32(out, static_cast<uint32_t>(s.size()));
    out += s;
}

// Bytes behind their length, as frames go down a pipe.
inline std::string framed(const std::string& payload) {
    std::string out;
    put_string(out, payload);
    return out;
}

// Reads fields in order; each get is false once the bytes run out.
class WireReader {
public:
    explicit WireReader(const std::string& bytes) : bytes_(bytes) {}
    bool get(uint32_t& v) {
        if (bytes_.size() - pos_ < 4) return false;
        v = ReadLittleEndian(bytes_.data() + pos_, 4);
        pos_ += 4;
        return true;
    }
    bool get(int& v) {
        uint32_t u = 0;
        if (!get(u)) return false;
        v = static_cast<int>(u);
        return true;
    }
    bool get(bool& v) {
        uint32_t u = 0;
        if (!get(u) || u > 1) return false;
        v = u == 1;
        return true;
    }
    bool get(std::string& s) {
        uint32_t n = 0;
        if (!get(n) || bytes_.size() - pos_ < n) return false;
        s.assign(bytes_, pos_, n);
        pos_ += n;
        return true;
    }
    bool at_end() const { return pos_ == bytes_.size(); }

private:
    const std::string& bytes_;
    size_t pos_ = 0;
};

}  // namespace zuvediv
