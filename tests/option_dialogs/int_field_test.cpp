#include "winlayer/int_field.h"

#include <gtest/gtest.h>

namespace {
struct Case {
    const wchar_t* text;
    IntFieldStatus status;
    int32_t value;
};

void Check(const Case& c, int32_t minimum, int32_t maximum) {
    const IntFieldResult r = ParseIntField(c.text, minimum, maximum);
    const std::string shown = ::testing::PrintToString(std::wstring(c.text));
    EXPECT_EQ(r.status, c.status) << shown << " in " << minimum << ".." << maximum;
    if (c.status == IntFieldStatus::Ok) {
        EXPECT_EQ(r.value, c.value) << shown;
    }
}
}  // namespace

TEST(IntField, FrameWidthEntries) {
    const Case cases[] = {
        {L"5", IntFieldStatus::Ok, 5},
        {L" 5", IntFieldStatus::Ok, 5},
        {L"5\t ", IntFieldStatus::Ok, 5},
        {L"+7", IntFieldStatus::Ok, 7},
        {L"007", IntFieldStatus::Ok, 7},
        {L"1", IntFieldStatus::Ok, 1},
        {L"100", IntFieldStatus::Ok, 100},
        {L"0", IntFieldStatus::OutOfRange, 0},
        {L"101", IntFieldStatus::OutOfRange, 0},
        {L"-3", IntFieldStatus::OutOfRange, 0},
        {L"-0", IntFieldStatus::OutOfRange, 0},
        {L"", IntFieldStatus::NotInteger, 0},
        {L"   ", IntFieldStatus::NotInteger, 0},
        {L"abc", IntFieldStatus::NotInteger, 0},
        {L"+", IntFieldStatus::NotInteger, 0},
        {L"-", IntFieldStatus::NotInteger, 0},
        {L"5a", IntFieldStatus::NotInteger, 0},
        {L"1 2", IntFieldStatus::NotInteger, 0},
        {L"+-5", IntFieldStatus::NotInteger, 0},
        {L"0x10", IntFieldStatus::NotInteger, 0},
        {L"3.0", IntFieldStatus::NotInteger, 0},
        {L"\x0665", IntFieldStatus::NotInteger, 0},  // a digit of another script
        {L"\xFF15", IntFieldStatus::NotInteger, 0},  // full-width 5
    };
    for (const Case& c : cases) Check(c, 1, 100);
}

TEST(IntField, OpacityRangeEnds) {
    const Case cases[] = {
        {L"1", IntFieldStatus::OutOfRange, 0}, {L"2", IntFieldStatus::Ok, 2},
        {L"10", IntFieldStatus::Ok, 10},       {L"11", IntFieldStatus::OutOfRange, 0},
    };
    for (const Case& c : cases) Check(c, 2, 10);
}

TEST(IntField, NumbersBeyondThirtyTwoBitsAreOutOfRangeNotWrapped) {
    const int32_t lo = INT32_MIN, hi = INT32_MAX;
    const Case cases[] = {
        {L"2147483647", IntFieldStatus::Ok, INT32_MAX},
        {L"-2147483648", IntFieldStatus::Ok, INT32_MIN},
        {L"2147483648", IntFieldStatus::OutOfRange, 0},
        {L"-2147483649", IntFieldStatus::OutOfRange, 0},
        {L"4294967301", IntFieldStatus::OutOfRange, 0},  // 2^32 + 5 must not wrap to 5
        {L"18446744073709551621", IntFieldStatus::OutOfRange, 0},  // 2^64 + 5 likewise
    };
    for (const Case& c : cases) Check(c, lo, hi);
    // A very long run of digits stays out of range of a small field, and a
    // letter at its end still makes it no integer.
    const std::wstring digits(5000, L'9');
    EXPECT_EQ(ParseIntField(digits, 1, 100).status, IntFieldStatus::OutOfRange);
    EXPECT_EQ(ParseIntField(L"1" + std::wstring(40, L'0') + L"5", 1, 100).status, IntFieldStatus::OutOfRange);
    EXPECT_EQ(ParseIntField(digits + L"x", 1, 100).status, IntFieldStatus::NotInteger);
}

TEST(IntField, MessagesAskForAnIntegerOrNameTheRange) {
    EXPECT_EQ(IntFieldMessage(IntFieldStatus::NotInteger, 1, 100), L"整数を入力してください。");
    EXPECT_EQ(IntFieldMessage(IntFieldStatus::OutOfRange, 2, 10), L"2 から 10 の整数を入力してください。");
    EXPECT_EQ(IntFieldMessage(IntFieldStatus::OutOfRange, 1, 100), L"1 から 100 の整数を入力してください。");
    EXPECT_TRUE(IntFieldMessage(IntFieldStatus::Ok, 1, 100).empty());
}
