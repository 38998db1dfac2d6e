// Scanned pages are read whichever way up the sheet lay on the scanner,
// and vertical Japanese (縦書き) with its own model; a page that does not
// hold a phrase is not found, however it lies.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "support/pdf_fixtures.h"
#include "support/scan_pages.h"

namespace zuvediv_test {
namespace {

const std::vector<std::string> kBody = {"お客様の請求書番号は下記です", "The delivery schedule follows.",
                                        "品質管理の手順を見直します。"};
const std::vector<std::string> kOther = {"品質管理の手順を見直します。", "The quarterly report is late."};

// The documents of a CSV list (no header, no folder column) that hold hits.
std::set<std::string> documents_listed(const std::string& csv) {
    std::set<std::string> names;
    std::istringstream lines(csv.substr(csv.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0));
    for (std::string line; std::getline(lines, line);)
        if (!line.empty()) names.insert(line.substr(0, line.find(',')));
    return names;
}

TEST(ScanOrientation, PhrasesFoundWhicheverWayTheSheetLayAndSetVertically) {
    struct Case { const char* name; ScanPage page; bool japanese, latin; };
    const Case cases[] = {
        {"upside down", {kBody, 2, false, {}}, true, true},
        {"on its left side", {kBody, 3, false, {}}, true, true},
        {"on its right side", {kBody, 1, false, {}}, true, true},
        {"set vertically", {{"お客様の請求書番号は", "下記の通りです。", "品質管理の手順を", "見直します。"}, 0, true, {}}, true, false},
        {"upside down, neither phrase", {kOther, 2, false, {}}, false, false},
    };
    const ScratchDir dir;
    fs::create_directories(dir.path() / "scans");
    for (size_t i = 0; i < std::size(cases); ++i) write_scan_pdf(dir.path() / "scans" / (std::to_string(i) + ".pdf"), {cases[i].page});
    std::set<std::string> found[2];
    const char* const phrases[] = {"請求書番号", "delivery schedule"};
    for (int p = 0; p < 2; ++p) {
        const ToolRun run = run_tool_binary({"-N", "-j", "2", "-H", "-P", "-o", dir / "list.csv", phrases[p], dir / "scans"});
        EXPECT_EQ(run.err, "") << phrases[p];
        found[p] = documents_listed(ReadFileBytes(dir / "list.csv"));
    }
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string name = std::to_string(i) + ".pdf";
        EXPECT_EQ(found[0].count(name) == 1, cases[i].japanese) << cases[i].name;
        EXPECT_EQ(found[1].count(name) == 1, cases[i].latin) << cases[i].name;
    }
}

}  // namespace
}  // namespace zuvediv_test
