#pragma once
// The 8-byte record that holds a dialog's last top-left corner, and the
// on-screen tests that decide whether a stored corner is used.
#include <cstdint>
#include <optional>
#include <vector>

struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct ScreenRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

constexpr std::size_t kPositionRecordSize = 8;

// Two signed 32-bit little-endian integers: left, then top.
std::vector<uint8_t> EncodePositionRecord(ScreenPoint corner);

// Nothing for a record of 0 to 7 bytes (treated as missing); (0, 0) for a
// record longer than 8 bytes, which then fails every test.
std::optional<ScreenPoint> DecodePositionRecord(const std::vector<uint8_t>& bytes);

// The search dialog: the whole window, moved to the corner, ends strictly
// left of and above the work area's right and bottom edges.
bool FitsWholeWindow(ScreenPoint corner, const ScreenRect& workArea, const ScreenRect& window);

// The option dialogs: bounded by the dialog's first placement (its current
// right and bottom edges), not by its size.
bool FitsFirstPlacement(ScreenPoint corner, const ScreenRect& workArea, const ScreenRect& window);
