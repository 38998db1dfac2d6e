// Page text as a search sees it: words joined, text folded and matched,
// and hits turned back into context and boxes.
#include <gtest/gtest.h>

#include "text/page_hits.h"

namespace zuvediv {
namespace {

enum Mode { kDefault, kExactCase, kNoNormalise, kExact };

size_t count_hits(const std::string& text, const std::string& phrase, Mode mode) {
    const TextFolder folding(mode == kDefault || mode == kNoNormalise, mode == kDefault || mode == kExactCase);
    const PhraseMatcher matcher(folding.fold_plain(from_utf8(phrase)));
    return matcher.find_all(folding.fold_plain(from_utf8(text))).size();
}

TEST(Matching, FoldingAndBlanks) {
    struct Case { const char *text, *phrase; Mode mode; size_t hits; };
    const Case cases[] = {
        {"ＡＢＣ株式会社", "abc", kDefault, 1}, {"ＡＢＣ株式会社", "ABC", kNoNormalise, 0}, {"ＡＢＣ ABC", "ABC", kExact, 1},
        {"ｶﾞｲﾄﾞ", "ガイド", kDefault, 1}, {"ｶﾀｶﾅ", "カタカナ", kDefault, 1}, {"ﬁle", "file", kDefault, 1},
        {"e\u0301", "\u00E9", kDefault, 1}, {"Ⅻ", "xii", kDefault, 1},
        {"Invoice INVOICE invoice", "invoice", kDefault, 3}, {"Invoice INVOICE invoice", "Invoice", kExactCase, 1},
        {"Invoice", "INVOICE", kNoNormalise, 1}, {"Invoice", "invoice", kExact, 0}, {"ΣΑΣ", "σας", kNoNormalise, 1},
        {"東京〜大阪", "東京～大阪", kDefault, 1}, {"東京～大阪", "東京〜大阪", kDefault, 1}, {"−123", "－123", kDefault, 1},
        {"−123", "-123", kDefault, 1}, {"A―B", "A—B", kDefault, 1}, {"a‖b", "a∥b", kDefault, 1}, {"￠5", "¢5", kDefault, 1},
        {"£5", "￡5", kDefault, 1}, {"￢x", "¬x", kDefault, 1}, {"〜", "～", kNoNormalise, 0}, {"𠮷野家 𠮷", "𠮷野家", kDefault, 1},
        {"請求　書", "請求 書", kDefault, 1}, {"ご請求\n書を", "請求書", kDefault, 1}, {"請求書\n", "請求書\n", kDefault, 1},
        {"invoice\nnumber", "invoice number", kDefault, 1}, {"invoice \t\n number", "invoice  number", kDefault, 1},
        {"invoicenumber", "invoice number", kDefault, 0}, {"請求 書", "請求書", kDefault, 0}, {"\n請求書", "請求書", kDefault, 1},
        {"a invoice b", "  invoice ", kDefault, 1}, {"aaaa", "aa", kDefault, 2}, {"aaa", "aa", kDefault, 1},
        {"invoice invoice", "invoice", kDefault, 2}, {"invoic", "invoice", kDefault, 0}, {"", "a", kDefault, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(count_hits(c.text, c.phrase, c.mode), c.hits) << c.text << " / " << c.phrase;
    EXPECT_TRUE(PhraseMatcher(U" \n\u3000").empty());
}

PageText page_of(const std::string& utf8) {
    PageText page;
    double x = 0, y = 0;
    for (char32_t c : from_utf8(utf8)) {
        page.add(c, c == U'\n' ? Box{} : Box{x, y, x + 10, y + 12});
        x = c == U'\n' ? 0 : x + 10;
        y += c == U'\n' ? 20 : 0;
    }
    return page;
}

std::string shown(const std::vector<Box>& boxes) {
    std::string text;
    for (const Box& b : boxes)
        for (double v : {b.x0, b.y0, b.x1, b.y1}) text += " " + std::to_string(static_cast<int>(v));
    return text;
}

// The hit with up to 20 characters either side, and a box per line.
TEST(PageHits, ContextAndBoxesFromTheSourceCharacters) {
    const std::string a(25, 'a'), b(25, 'b'), a20(20, 'a'), b20(20, 'b');
    struct Case { const char* name; std::string page; std::u32string phrase; std::string context_and_boxes; };
    const Case cases[] = {
        {"across a line break: a box per line", "ご請求\n書を", U"請求書", "ご請求 書を 10 0 30 12 0 20 10 32"},
        {"20 characters either side", a + "ＩＮＶＯＩＣＥ" + b, U"invoice", a20 + "ＩＮＶＯＩＣＥ" + b20 + " 250 0 320 12"},
        {"one folded from two (ｶﾞ)", "xｶﾞ\x01" + a, U"ガ", "xｶﾞ " + std::string(19, 'a') + " 10 0 30 12"},
        {"two folded from one (ﬁ)", "aﬁb", U"i", "aﬁb 10 0 20 12"},
        {"before a ligature", "xyﬁ", U"y", "xyﬁ 10 0 20 12"},
        {"after a ligature", "ﬁxy", U"y", "ﬁxy 20 0 30 12"},
        {"after two folded into one", "ｶﾞxy", U"y", "ｶﾞxy 30 0 40 12"},
    };
    EXPECT_EQ(to_utf8({U'a', 0xD800, U'b', 0x110000, U'請'}), "a\uFFFDb\uFFFD請") << "no code point UTF-8 cannot hold";
    const TextFolder folding(true, true);
    for (const Case& c : cases) {
        const PageText text = page_of(c.page);
        const std::vector<MatchSpan> ranges = find_hit_ranges(text.chars, folding, PhraseMatcher(folding.fold_plain(c.phrase)));
        std::vector<DocumentHit> listed;
        add_listed_hits(listed, 0, text.chars, ranges);
        ASSERT_EQ(listed.size(), 1u) << c.name;
        EXPECT_EQ(listed[0].context + shown(hit_frame_boxes(text, ranges)), c.context_and_boxes) << c.name;
    }
}

WordBox word(const std::u32string& text, double x0, double y0, double x1, double y1, bool space_after = false,
             int rotation = 0) {
    WordBox w{text, {}, {x0, y0, x1, y1}, rotation, space_after};
    const double step = (x1 - x0) / static_cast<double>(text.size());
    for (size_t i = 0; i < text.size(); ++i) w.char_boxes.push_back({x0 + step * i, y0, x0 + step * (i + 1), y1});
    return w;
}

TEST(JoinWords, ChoosesTheSeparator) {
    struct Case { const char* name; std::vector<WordBox> words; std::u32string text; };
    const Case cases[] = {
        {"a blank where the layer has one", {word(U"total", 0, 0, 50, 12, true), word(U"net", 55, 0, 85, 12)}, U"total net"},
        {"none between touching words", {word(U"請求", 0, 0, 24, 12), word(U"書", 24, 0, 36, 12)}, U"請求書"},
        {"a line break below", {word(U"請求", 0, 0, 24, 12), word(U"書", 0, 20, 12, 32)}, U"請求\n書"},
        {"baselines a little apart stay one line", {word(U"a", 0, 0, 10, 12), word(U"b", 10, 5, 20, 17)}, U"ab"},
        {"less than half the height shared", {word(U"a", 0, 0, 10, 12), word(U"b", 10, 7, 20, 19)}, U"a\nb"},
        {"a gap of two heights", {word(U"cell", 0, 0, 40, 12), word(U"next", 64, 0, 100, 12)}, U"cellnext"},
        {"a table gap", {word(U"cell", 0, 0, 40, 12), word(U"next", 65, 0, 100, 12)}, U"cell\nnext"},
        {"a word back to the left", {word(U"b", 300, 0, 310, 12), word(U"a", 0, 0, 10, 12)}, U"b\na"},
        {"turned a quarter", {word(U"ab", 0, 0, 12, 20, true, 1), word(U"cd", 0, 25, 12, 45, false, 1)}, U"ab cd"},
        {"upside down", {word(U"ab", 20, 0, 40, 12, true, 2), word(U"cd", 0, 0, 18, 12, false, 2)}, U"ab cd"},
        {"a turn between", {word(U"ab", 0, 0, 20, 12), word(U"cd", 20, 0, 40, 12, false, 1)}, U"ab\ncd"},
    };
    for (const Case& c : cases) EXPECT_EQ(join_words(c.words).chars, c.text) << c.name;
}

TEST(JoinWords, BoxesFollowCodePointsAndFallBackToTheWord) {
    WordBox short_of_boxes = word(U"cd", 50, 0, 70, 12);
    short_of_boxes.char_boxes.pop_back();
    const PageText text = join_words({word(U"𠮷a", 0, 0, 20, 12, true), word(U"b", 30, 0, 40, 12), short_of_boxes});
    EXPECT_EQ(text.chars, U"𠮷a bcd");
    EXPECT_EQ(shown(text.boxes), " 0 0 10 12 10 0 20 12 0 0 0 0 30 0 40 12 50 0 60 12 50 0 70 12");
}

}  // namespace
}  // namespace zuvediv
