// How words from poppler's layout are joined into page text.
#include <gtest/gtest.h>

#include "text/page_text.h"

namespace zuvediv {
namespace {

WordBox word(const std::u32string& text, double x0, double y0, double x1, double y1, bool space_after = false,
             int rotation = 0) {
    WordBox w;
    w.text = text;
    w.box = {x0, y0, x1, y1};
    const double step = (x1 - x0) / static_cast<double>(text.size());
    for (size_t i = 0; i < text.size(); ++i) w.char_boxes.push_back({x0 + step * i, y0, x0 + step * (i + 1), y1});
    w.rotation = rotation;
    w.space_after = space_after;
    return w;
}

struct JoinCase {
    const char* name;
    std::vector<WordBox> words;
    std::u32string expected;
};

class JoinTable : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinTable, ChoosesSeparator) {
    EXPECT_EQ(join_words(GetParam().words).chars, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Separators, JoinTable,
    ::testing::Values(
        JoinCase{"space_on_line", {word(U"total", 0, 0, 50, 12, true), word(U"net", 55, 0, 85, 12)}, U"total net"},
        JoinCase{"touching_on_line", {word(U"請求", 0, 0, 24, 12), word(U"書", 24, 0, 36, 12)}, U"請求書"},
        JoinCase{"next_line", {word(U"請求", 0, 0, 24, 12), word(U"書", 0, 20, 12, 32)}, U"請求\n書"},
        JoinCase{"table_gap_same_baseline", {word(U"cell", 0, 0, 40, 12), word(U"next", 200, 0, 240, 12)}, U"cell\nnext"},
        JoinCase{"back_to_left_column", {word(U"b", 300, 0, 310, 12), word(U"a", 0, 0, 10, 12)}, U"b\na"},
        JoinCase{"rotated_text_same_line",
                 {word(U"ab", 0, 0, 12, 20, true, 1), word(U"cd", 0, 25, 12, 45, false, 1)}, U"ab cd"},
        JoinCase{"rotation_changes", {word(U"ab", 0, 0, 20, 12, false, 0), word(U"cd", 20, 0, 40, 12, false, 1)},
                 U"ab\ncd"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JoinWords, BoxesFollowCodePointsAndSeparatorsHaveNone) {
    const PageText text = join_words({word(U"𠮷a", 0, 0, 20, 12, true), word(U"b", 30, 0, 40, 12)});
    ASSERT_EQ(text.chars, U"𠮷a b");
    ASSERT_EQ(text.boxes.size(), 4u);
    EXPECT_DOUBLE_EQ(text.boxes[1].x0, 10);
    EXPECT_TRUE(text.boxes[2].empty());
    EXPECT_DOUBLE_EQ(text.boxes[3].x0, 30);
}

TEST(JoinWords, MissingCharacterBoxFallsBackToWordBox) {
    WordBox w = word(U"ab", 0, 0, 20, 12);
    w.char_boxes.pop_back();
    const PageText text = join_words({w});
    EXPECT_DOUBLE_EQ(text.boxes[1].x0, 0);
    EXPECT_DOUBLE_EQ(text.boxes[1].x1, 20);
}

}  // namespace
}  // namespace zuvediv
