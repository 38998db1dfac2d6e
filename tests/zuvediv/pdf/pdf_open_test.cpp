// Which files are searched, why one that cannot be opened is not, and which
// typed passwords open a protected file.
#include <gtest/gtest.h>

#include "pdf/pdf_open.h"
#include "pdf_writer.h"
#include "support/pdf_fixtures.h"

namespace zuvediv {
namespace {

using zuvediv_test::fixtures;

TEST(PdfOpen, WhatPopplerReadsIsSearchedAndTheRestSaysWhy) {
    const zuvediv_test::ScratchDir dir;
    const std::string pdf = ReadFileBytes(fixtures().deeper);
    const std::string garbage = "%PDF-1.7\n1 0 obj\n<< /Type /Catalog\nstream\n\x01\x02";
    const std::pair<std::string, std::string> files[] = {
        {"at_limit.pdf", std::string(1024 - 4, ' ') + pdf},  // "%PDF" ends at byte 1024
        {"first_line_damaged.pdf", "%XYZ-1" + pdf.substr(6)},
        {"damaged_at_limit.pdf", std::string(1024 - 4, ' ') + garbage},  // "%PDF" ends at byte 1024
        {"late_header.pdf", std::string(1024 - 3, ' ') + garbage},       // "%PDF" runs past byte 1024
    };
    for (const auto& [name, bytes] : files) zuvediv_test::write_file(dir / name, bytes);
    const std::pair<std::string, std::string> cases[] = {
        {dir / "at_limit.pdf", ""}, {dir / "first_line_damaged.pdf", ""},
        {dir / "damaged_at_limit.pdf", "PDF が壊れていて開けません"}, {dir / "late_header.pdf", "PDF ファイルではありません"},
        {(fixtures().docs / "fake.PDF").string(), "PDF ファイルではありません"},
        {(fixtures().docs / "broken.pdf").string(), "PDF が壊れていて開けません"},
        {dir / "missing.pdf", "ファイルを読めません"}, {fixtures().secret.string(), "パスワードが必要です (-p で指定してください)"},
    };
    for (const auto& [path, reason] : cases) {
        const OpenedPdf opened = open_pdf(path, "");
        EXPECT_EQ(describe(opened.failure), reason) << path;
        EXPECT_EQ(opened.document != nullptr, reason.empty()) << path;
    }
    EXPECT_EQ(open_pdf(dir / "missing.pdf", "").detail, "No such file or directory");
}

// A writer that prepares passwords stores "password" for "pass\u00ADword"
// (soft hyphen) and "owner-a" for "owner-ª"; qpdf stores them as given.
TEST(PdfOpen, PasswordsAsGivenThenSaslPrepared) {
    const zuvediv_test::ScratchDir dir;
    pdf_writer::write_pdf(dir / "plain.pdf", {{{50, 50, "secret"}}});
    pdf_writer::run_qpdf({"--encrypt", "password", "owner-a", "256", "--", dir / "plain.pdf", dir / "prepared.pdf"});
    pdf_writer::run_qpdf({"--encrypt", "pass\u00ADword", "x", "256", "--", dir / "plain.pdf", dir / "as_given.pdf"});
    const std::tuple<std::string, std::string, bool> cases[] = {
        {"prepared.pdf", "pass\u00ADword", true}, {"prepared.pdf", "owner-\u00AA", true},
        {"prepared.pdf", "password", true}, {"prepared.pdf", "PASSWORD", false},
        {"as_given.pdf", "pass\u00ADword", true}, {"as_given.pdf", "password", false},
        {fixtures().secret.string(), zuvediv_test::kUserPassword, true}, {fixtures().secret.string(), "wrong", false},
    };
    for (const auto& [file, password, opens] : cases) {
        const OpenedPdf opened = open_pdf(file.front() == '/' ? file : dir / file, password);
        EXPECT_EQ(opened.document != nullptr, opens) << file << " " << password;
        EXPECT_EQ(describe(opened.failure), opens ? "" : "パスワードが違います") << file << " " << password;
    }
}

}  // namespace
}  // namespace zuvediv
