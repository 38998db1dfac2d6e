// A document long enough to be read in parts by several workers: the list
// and the images of one worker, for any -j, from the PDF or the cache; a
// protected one read in parts with its password, and never stored.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "pdf/page_parts.h"
#include "pdf_writer.h"
#include "support/pdf_fixtures.h"

namespace zuvediv_test {
namespace {

using zuvediv::kPartPages;
constexpr int kPages = 100;
static_assert(kPages > zuvediv::kSplitAbovePages && kPages > 4 * kPartPages + 1);
// Around the ends of the parts a long document is cut into, and the last page.
const std::vector<int> kHitPages = {1, kPartPages, kPartPages + 1, 2 * kPartPages, 2 * kPartPages + 1,
                                    4 * kPartPages, 4 * kPartPages + 1, kPages};

// Made once per test process and removed with it, like the fixtures.
struct LongDocuments {
    LongDocuments();
    ScratchDir dir;
    fs::path plain = dir.path() / "plain" / "long.pdf", secret = dir.path() / "secret" / "long.pdf";
};

LongDocuments::LongDocuments() {
    std::vector<pdf_writer::PageLines> pages;
    for (int page = 1; page <= kPages; ++page) {
        pages.push_back({{50, 50, "page " + std::to_string(page)}});
        if (std::count(kHitPages.begin(), kHitPages.end(), page))
            pages.back().push_back({50, 80, "Boundary marker " + std::to_string(page)});
    }
    fs::create_directories(plain.parent_path());
    fs::create_directories(secret.parent_path());
    pdf_writer::write_pdf(plain, pages);
    pdf_writer::run_qpdf({"--encrypt", kUserPassword, kOwnerPassword, "256", "--", plain.string(), secret.string()});
}

const LongDocuments& long_documents() {
    static const LongDocuments made;
    return made;
}

struct Listed {
    ToolRun run;
    std::string csv;
    std::map<std::string, std::string> images;  // name: bytes
};

Listed search(const ScratchDir& dir, const std::string& name, std::vector<std::string> args, const Env& env) {
    const fs::path images = dir.path() / name;
    args.insert(args.begin(), {"-H", "-P", "-Q", "-m", "-r", "30", "-O", images.string(), "-o", dir / (name + ".csv")});
    Listed listed{run_tool_binary(args, env), ReadFileBytes(dir / (name + ".csv")), {}};
    for (const auto& entry : fs::directory_iterator(images))
        if (entry.path().extension() == ".png") listed.images[entry.path().filename().string()] = ReadFileBytes(entry.path());
    return listed;
}

std::vector<int> pages_listed(const std::string& csv) {
    std::vector<int> pages;
    std::istringstream lines(csv.substr(std::min<size_t>(3, csv.size())));  // after the byte-order mark
    for (std::string line; std::getline(lines, line);) pages.push_back(std::stoi(line));
    return pages;
}

// One worker reads it whole; two and three read it in parts, the second
// time from the cache, which -m opens again for the pages with hits; the
// protected copy in parts with its password.
TEST(SplitDocument, SameListAndImagesForAnyWorkersFromFileCacheOrWithPassword) {
    const ScratchDir dir;
    const Env cache = {{"XDG_CACHE_HOME", dir / "cache"}};
    const std::string doc = long_documents().plain.string();
    const Listed one = search(dir, "j1", {"-N", "-j", "1", "Boundary", doc}, cache);
    ASSERT_EQ(one.run.exit_code, 0) << one.run.err;
    EXPECT_EQ(pages_listed(one.csv), kHitPages);
    EXPECT_EQ(one.images.size(), kHitPages.size());
    for (const char* workers : {"2", "3"}) {
        const Listed split = search(dir, std::string("j") + workers, {"-j", workers, "Boundary", doc}, cache);
        EXPECT_EQ(split.run.exit_code, 0) << split.run.err;
        EXPECT_EQ(split.csv, one.csv) << workers;
        EXPECT_TRUE(split.images == one.images) << workers;
    }
    const ToolRun warm = run_tool_binary({"-v", "-j", "2", "Boundary", doc}, cache);
    EXPECT_NE(warm.out.find("該当 8 件 (キャッシュ)"), std::string::npos) << "stored complete: " << warm.out;
    EXPECT_NE(bytes_below(dir.path() / "cache").find("Boundary marker 100"), std::string::npos);

    const std::string secret = long_documents().secret.string();
    const Env apart = {{"XDG_CACHE_HOME", dir / "protected"}};
    const Listed opened = search(dir, "opened", {"-j", "2", "-p", kUserPassword, "Boundary", secret}, apart);
    EXPECT_EQ(opened.run.exit_code, 0) << opened.run.err;
    EXPECT_EQ(opened.csv, one.csv);
    EXPECT_TRUE(opened.images == one.images);
    EXPECT_EQ(bytes_below(dir.path() / "protected").find("Boundary"), std::string::npos) << "protected text is never stored";
    const ToolRun without = run_tool_binary({"-j", "2", "Boundary", secret}, apart);
    EXPECT_EQ(without.exit_code, 2);
    EXPECT_NE(without.out.find("該当: 0 件"), std::string::npos) << without.out;
}

}  // namespace
}  // namespace zuvediv_test
