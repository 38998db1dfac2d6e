// Folding and matching together, as a page search uses them.
#include <gtest/gtest.h>

#include "text/page_hits.h"
#include "text/phrase_matcher.h"
#include "text/text_folding.h"

namespace zuvediv {
namespace {

struct Mode {
    bool ignore_case;
    bool normalise;
};
constexpr Mode kDefault{true, true};
constexpr Mode kExactCase{false, true};
constexpr Mode kNoNormalise{true, false};
constexpr Mode kExact{false, false};

size_t count_hits(const std::string& text, const std::string& phrase, Mode mode) {
    const TextFolder folder(mode.ignore_case, mode.normalise);
    const PhraseMatcher matcher(folder.fold_plain(from_utf8(phrase)));
    return matcher.find_all(folder.fold_plain(from_utf8(text))).size();
}

struct MatchCase {
    const char* name;
    std::string text;
    std::string phrase;
    Mode mode;
    size_t hits;
};

class MatchTable : public ::testing::TestWithParam<MatchCase> {};

TEST_P(MatchTable, CountsHits) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(count_hits(c.text, c.phrase, c.mode), c.hits) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    FoldingAndBlanks, MatchTable,
    ::testing::Values(
        MatchCase{"full_width_latin", "ＡＢＣ株式会社", "abc", kDefault, 1},
        MatchCase{"full_width_needs_normalising", "ＡＢＣ株式会社", "ABC", kNoNormalise, 0},
        MatchCase{"half_width_kana_with_voicing", "ｶﾞｲﾄﾞ", "ガイド", kDefault, 1},
        MatchCase{"half_width_kana_plain", "ｶﾀｶﾅ", "カタカナ", kDefault, 1},
        MatchCase{"ligature", "ﬁle", "file", kDefault, 1},
        MatchCase{"case_ignored", "Invoice INVOICE invoice", "invoice", kDefault, 3},
        MatchCase{"exact_case", "Invoice INVOICE invoice", "Invoice", kExactCase, 1},
        MatchCase{"exact_keeps_width", "ＡＢＣ ABC", "ABC", kExact, 1},
        MatchCase{"case_without_normalising", "Invoice", "INVOICE", kNoNormalise, 1},
        MatchCase{"wave_dash_vs_tilde", "東京〜大阪", "東京～大阪", kDefault, 1},
        MatchCase{"tilde_vs_wave_dash", "東京～大阪", "東京〜大阪", kDefault, 1},
        MatchCase{"minus_vs_full_width_hyphen", "−123", "－123", kDefault, 1},
        MatchCase{"minus_vs_ascii_hyphen", "−123", "-123", kDefault, 1},
        MatchCase{"bar_vs_em_dash", "A―B", "A—B", kDefault, 1},
        MatchCase{"double_line_vs_parallel", "a‖b", "a∥b", kDefault, 1},
        MatchCase{"cent", "￠5", "¢5", kDefault, 1},
        MatchCase{"pound", "£5", "￡5", kDefault, 1},
        MatchCase{"not_sign", "￢x", "¬x", kDefault, 1},
        MatchCase{"lookalikes_kept_apart_without_normalising", "〜", "～", kNoNormalise, 0},
        MatchCase{"outside_bmp", "𠮷野家 𠮷", "𠮷野家", kDefault, 1},
        MatchCase{"ideographic_space_is_blank", "請求　書", "請求 書", kDefault, 1},
        MatchCase{"line_break_inside_word", "ご請求\n書を", "請求書", kDefault, 1},
        MatchCase{"blank_matches_line_break", "invoice\nnumber", "invoice number", kDefault, 1},
        MatchCase{"blank_matches_run", "invoice  \n number", "invoice number", kDefault, 1},
        MatchCase{"blank_needs_some_space", "invoicenumber", "invoice number", kDefault, 0},
        MatchCase{"space_is_not_skipped", "請求 書", "請求書", kDefault, 0},
        MatchCase{"outer_blanks_ignored", "a invoice b", "  invoice ", kDefault, 1},
        MatchCase{"no_overlap", "aaaa", "aa", kDefault, 2},
        MatchCase{"repeat_on_line", "invoice invoice", "invoice", kDefault, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FoldedPositions, MapBackToSourceCharacters) {
    // ｶﾞ composes into one folded character over two source characters; ﬁ
    // expands into two over one.
    const TextFolder folder(true, true);
    const std::pair<const char*, const char*> texts[] = {{"xｶﾞy", "xガy"}, {"aﬁb", "afib"}};
    const std::vector<uint32_t> begins[] = {{0, 1, 3}, {0, 1, 1, 2}}, ends[] = {{1, 3, 4}, {1, 2, 2, 3}};
    for (int i = 0; i < 2; ++i) {
        const FoldedText folded = folder.fold(from_utf8(texts[i].first));
        ASSERT_EQ(folded.chars, from_utf8(texts[i].second));
        EXPECT_EQ(folded.source_begin, begins[i]) << texts[i].first;
        EXPECT_EQ(folded.source_end, ends[i]) << texts[i].first;
    }
}

PageText page_of(const std::string& utf8) {
    PageText page;
    double x = 0;
    for (char32_t c : from_utf8(utf8)) {
        if (c == U'\n') {
            page.add(c, Box{});
            x = 0;
            continue;
        }
        const double y = 20.0 * static_cast<double>(std::count(page.chars.begin(), page.chars.end(), U'\n'));
        page.add(c, Box{x, y, x + 10, y + 12});
        x += 10;
    }
    return page;
}

TEST(PageHits, BoxesPerLineAndContextOfTwentyCharactersEachSide) {
    struct Case {
        std::string page;
        std::u32string phrase;
        std::vector<Box> boxes;  // x0, y0, x1 of each; one per line
        std::string context;
    };
    const std::string a(25, 'a'), b(25, 'b');
    const Case cases[] = {
        {"ご請求\n書を", U"請求書", {{10, 0, 30, 12}, {0, 20, 10, 32}}, "ご請求 書を"},
        {a + "ＩＮＶＯＩＣＥ" + b, U"invoice", {{250, 0, 320, 12}},
         std::string(20, 'a') + "ＩＮＶＯＩＣＥ" + std::string(20, 'b')},
    };
    const TextFolder folder(true, true);
    for (const Case& c : cases) {
        const auto hits = find_page_hits(page_of(c.page), folder, PhraseMatcher(folder.fold_plain(c.phrase)));
        ASSERT_EQ(hits.size(), 1u);
        EXPECT_EQ(hits[0].context, c.context);
        ASSERT_EQ(hits[0].boxes.size(), c.boxes.size()) << c.context;
        for (size_t i = 0; i < c.boxes.size(); ++i) {
            EXPECT_DOUBLE_EQ(hits[0].boxes[i].x0, c.boxes[i].x0) << i;
            EXPECT_DOUBLE_EQ(hits[0].boxes[i].y0, c.boxes[i].y0) << i;
            EXPECT_DOUBLE_EQ(hits[0].boxes[i].x1, c.boxes[i].x1) << i;
        }
    }
}

}  // namespace
}  // namespace zuvediv
