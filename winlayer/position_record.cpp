#include "winlayer/position_record.h"

#include "common/little_endian.h"

namespace {
int32_t GetInt32(const uint8_t* in) { return static_cast<int32_t>(ReadLittleEndian(in, 4)); }

// Work in 64 bits so that extreme stored values cannot overflow the bounds.
bool Inside(ScreenPoint p, int64_t limitX, int64_t limitY) {
    return p.x > 0 && p.x < limitX && p.y > 0 && p.y < limitY;
}
}  // namespace

std::vector<uint8_t> EncodePositionRecord(ScreenPoint corner) {
    std::vector<uint8_t> out;
    out.reserve(kPositionRecordSize);
    AppendLittleEndian32(out, static_cast<uint32_t>(corner.x));
    AppendLittleEndian32(out, static_cast<uint32_t>(corner.y));
    return out;
}

std::optional<ScreenPoint> DecodePositionRecord(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < kPositionRecordSize) return std::nullopt;
    if (bytes.size() > kPositionRecordSize) return ScreenPoint{0, 0};
    return ScreenPoint{GetInt32(bytes.data()), GetInt32(bytes.data() + 4)};
}

bool FitsWholeWindow(ScreenPoint corner, const ScreenRect& workArea, const ScreenRect& window) {
    const int64_t width = int64_t{window.right} - window.left;
    const int64_t height = int64_t{window.bottom} - window.top;
    return Inside(corner, workArea.right - width, workArea.bottom - height);
}

bool FitsFirstPlacement(ScreenPoint corner, const ScreenRect& workArea, const ScreenRect& window) {
    return Inside(corner, int64_t{workArea.right} - window.right, int64_t{workArea.bottom} - window.bottom);
}
