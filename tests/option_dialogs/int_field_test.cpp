#include "winlayer/int_field.h"

#include <gtest/gtest.h>

TEST(IntField, EntriesAtTheRangeEdgesBeyond32BitsAndNotIntegers) {
    constexpr auto Ok = IntFieldStatus::Ok, Range = IntFieldStatus::OutOfRange, NotInt = IntFieldStatus::NotInteger;
    struct Case { std::wstring text; int32_t minimum, maximum; IntFieldStatus status; int32_t value; };
    const std::wstring nines(5000, L'9');
    const Case cases[] = {
        {L" +007\t ", 1, 100, Ok, 7}, {L"1", 1, 100, Ok, 1},     {L"100", 1, 100, Ok, 100},   {L"0", 1, 100, Range, 0},
        {L"101", 1, 100, Range, 0},   {L"-3", 1, 100, Range, 0}, {L"-2", -5, 5, Ok, -2},      {L"", 1, 100, NotInt, 0},
        {L"\t", 1, 100, NotInt, 0},   {L"-", 1, 100, NotInt, 0}, {L"5a", 1, 100, NotInt, 0},  {L"1 2", 1, 100, NotInt, 0},
        {L"+-5", 1, 100, NotInt, 0},  {L"0x10", 1, 100, NotInt, 0},
        {L"\x0665", 1, 100, NotInt, 0}, {L"\xFF15", 1, 100, NotInt, 0},  // another script's digit, full-width 5
        {L"2", 2, 10, Ok, 2},         {L"11", 2, 10, Range, 0},
        // Beyond 32 bits: out of range, never wrapped (2^32 + 5, 2^64 + 5 would wrap to 5).
        {L"2147483647", INT32_MIN, INT32_MAX, Ok, INT32_MAX}, {L"-2147483648", INT32_MIN, INT32_MAX, Ok, INT32_MIN},
        {L"2147483648", INT32_MIN, INT32_MAX, Range, 0},      {L"-2147483649", INT32_MIN, INT32_MAX, Range, 0},
        {L"4294967301", INT32_MIN, INT32_MAX, Range, 0},      {L"18446744073709551621", INT32_MIN, INT32_MAX, Range, 0},
        {nines, 1, 100, Range, 0},    {nines + L"x", 1, 100, NotInt, 0},
    };
    for (const Case& c : cases) {
        const IntFieldResult r = ParseIntField(c.text, c.minimum, c.maximum);
        EXPECT_EQ(std::pair(r.status, r.status == Ok ? r.value : 0), std::pair(c.status, c.value))
            << testing::PrintToString(c.text.substr(0, 30)) << " in " << c.minimum << ".." << c.maximum;
    }
    EXPECT_EQ(IntFieldMessage(NotInt, 1, 100), L"整数を入力してください。");
    EXPECT_EQ(IntFieldMessage(Range, 2, 10), L"2 から 10 の整数を入力してください。");
}
