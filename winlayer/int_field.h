#pragma once
// The decision behind an integer edit field with a range: window-free, so it
// is tested natively; winlayer/int_field_exchange.h applies it to a dialog.
#include <cstdint>
#include <string>

enum class IntFieldStatus { Ok, NotInteger, OutOfRange };

struct IntFieldResult {
    IntFieldStatus status = IntFieldStatus::NotInteger;
    int32_t value = 0;  // meaningful only when status is Ok
};

// Accepts blanks around an optional sign and one or more ASCII digits.
// A decimal integer that does not fit 32 bits counts as out of range.
IntFieldResult ParseIntField(const std::wstring& text, int32_t minimum, int32_t maximum);

// The Japanese message that asks for a valid entry.
std::wstring IntFieldMessage(IntFieldStatus status, int32_t minimum, int32_t maximum);
