#include "winlayer/int_field.h"

namespace {
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
}  // namespace

IntFieldResult ParseIntField(const std::wstring& text, int32_t minimum, int32_t maximum) {
    size_t at = 0;
    size_t end = text.size();
    while (at < end && IsBlank(text[at])) ++at;
    while (end > at && IsBlank(text[end - 1])) --end;
    bool negative = false;
    if (at < end && (text[at] == L'+' || text[at] == L'-')) negative = text[at++] == L'-';
    if (at == end) return {};
    // Accumulate in 64 bits and stop growing once past any 32-bit value, so
    // any length of digits is safe.
    constexpr int64_t kBeyond = int64_t{1} << 32;
    int64_t magnitude = 0;
    for (; at < end; ++at) {
        if (!IsDigit(text[at])) return {};
        if (magnitude < kBeyond) magnitude = magnitude * 10 + (text[at] - L'0');
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < minimum || value > maximum) return {IntFieldStatus::OutOfRange, 0};
    return {IntFieldStatus::Ok, static_cast<int32_t>(value)};
}

std::wstring IntFieldMessage(IntFieldStatus status, int32_t minimum, int32_t maximum) {
    switch (status) {
    case IntFieldStatus::NotInteger: return L"整数を入力してください。";
    case IntFieldStatus::OutOfRange:
        return std::to_wstring(minimum) + L" から " + std::to_wstring(maximum) + L" の整数を入力してください。";
    case IntFieldStatus::Ok: break;
    }
    return {};
}
