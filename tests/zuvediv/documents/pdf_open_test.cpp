// Which files are taken for PDFs, and why one that cannot be opened is not.
#include <gtest/gtest.h>

#include "documents/pdf_open.h"
#include "support/pdf_fixtures.h"

namespace zuvediv {
namespace {

using zuvediv_test::fixtures;

TEST(PdfOpen, HeaderWithinTheFirstKilobyteAndReasons) {
    const zuvediv_test::ScratchDir dir;
    const std::string pdf = zuvediv_test::read_file(fixtures().deeper);
    zuvediv_test::write_file(dir / "at_limit.pdf", std::string(1024 - 5, ' ') + pdf);  // "%PDF-" ends at byte 1024
    zuvediv_test::write_file(dir / "past_limit.pdf", std::string(1024 - 4, ' ') + pdf);
    const std::pair<std::string, std::string> cases[] = {
        {dir / "at_limit.pdf", ""}, {dir / "past_limit.pdf", "PDF ファイルではありません"},
        {(fixtures().docs / "broken.pdf").string(), "PDF が壊れていて開けません"},
        {dir / "missing.pdf", "ファイルを読めません"}, {fixtures().secret.string(), "パスワードが必要です (-p で指定してください)"},
    };
    for (const auto& [path, reason] : cases) {
        const OpenedPdf opened = open_pdf(path, "");
        EXPECT_EQ(describe(opened.failure), reason) << path;
        EXPECT_EQ(opened.document != nullptr, reason.empty()) << path;
    }
    EXPECT_EQ(open_pdf(dir / "missing.pdf", "").detail, "No such file or directory");
    EXPECT_EQ(describe(open_pdf(fixtures().secret.string(), "wrong").failure), "パスワードが違います");
    EXPECT_TRUE(open_pdf(fixtures().secret.string(), zuvediv_test::kUserPassword).document);
}

}  // namespace
}  // namespace zuvediv
