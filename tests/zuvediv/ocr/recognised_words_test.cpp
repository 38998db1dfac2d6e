// Recognised words become page text as the text layer gives it: boxes in
// points, and no blank between two Japanese characters.
#include <gtest/gtest.h>

#include "ocr/recognised_words.h"
#include "text/page_hits.h"

namespace zuvediv {
namespace {

RecognisedWord word(const std::u32string& text, double x, double y) {
    RecognisedWord w;
    for (size_t i = 0; i < text.size(); ++i) w.symbols.push_back({text.substr(i, 1), {x + 30.0 * i, y, x + 30.0 * (i + 1), y + 30}});
    w.box = {x, y, x + 30.0 * text.size(), y + 30};
    return w;
}

TEST(RecognisedWords, JoinLikeTheTextLayer) {
    const std::pair<std::vector<RecognisedWord>, std::u32string> cases[] = {
        {{word(U"請", 0, 0), word(U"求書", 32, 0)}, U"請求書"},
        {{word(U"請求書", 0, 0), word(U"INVOICE", 100, 0)}, U"請求書 INVOICE"},
        {{word(U"delivery", 0, 0), word(U"schedule", 260, 0)}, U"delivery schedule"},
        {{word(U"ｶﾅ", 0, 0), word(U"ｶﾅ", 62, 0)}, U"ｶﾅ ｶﾅ"},  // half-width is not wide
        {{word(U"番号", 0, 0), word(U"番号", 0, 60)}, U"番号\n番号"},
        {{word(U"", 0, 0), word(U"A", 0, 0)}, U"A"},
    };
    for (const auto& [words, text] : cases) EXPECT_EQ(join_words(to_word_boxes(words, 1.0)).chars, text) << to_utf8(text);
}

TEST(RecognisedWords, BoxesAreScaledToPoints) {
    const PageText text = join_words(to_word_boxes({word(U"AB", 300, 600)}, 72.0 / 300));
    ASSERT_EQ(text.boxes.size(), 2u);
    const Box& b = text.boxes[1];
    for (const auto& [got, wanted] : {std::pair{b.x0, 79.2}, {b.y0, 144.0}, {b.x1, 86.4}, {b.y1, 151.2}}) EXPECT_DOUBLE_EQ(got, wanted);
}

}  // namespace
}  // namespace zuvediv
