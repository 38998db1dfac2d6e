// A PDF opened on Windows: by its wide name past MAX_PATH, read from a
// mapping that lasts as long as the document, and open in a way that lets
// others rename it meanwhile.
#include <gtest/gtest.h>
#include <windows.h>

#include <poppler-page.h>

#include "pdf/kept_pdf.h"
#include "pdf/pdf_assembly.h"
#include "pdf/pdf_open.h"
#include "platform/long_path_windows.h"
#include "windows/scratch_folder.h"

namespace zuvediv {
namespace {

using zuvediv_test::ScratchFolder;
using zuvediv_test::write_bytes;

std::string one_page_pdf(const std::string& text) {
    const std::string content = "BT /F1 12 Tf 10 30 Td (" + text + ") Tj ET";
    return assemble_pdf({"<</Type/Catalog/Pages 2 0 R>>", "<</Type/Pages/Kids[3 0 R]/Count 1>>",
                         "<</Type/Page/Parent 2 0 R/MediaBox[0 0 200 72]/Resources<</Font<</F1 4 0 R>>>>/Contents 5 0 R>>",
                         "<</Type/Font/Subtype/Type1/BaseFont/Helvetica>>",
                         "<</Length " + std::to_string(content.size()) + ">>\nstream\n" + content + "\nendstream"});
}

std::string first_page_text(const poppler::document& document) {
    const std::unique_ptr<poppler::page> page(document.create_page(0));
    return page ? page->text().to_latin1() : "";
}

TEST(WindowsPdfSource, JapaneseNamesPastMaxPathOpenAndTheDocumentOutlivesItsOpening) {
    const ScratchFolder dir;
    const std::string deep = zuvediv_test::make_deep_folder(dir / "深い");
    for (const std::string& path : {dir / "請求書 一月.pdf", deep + "\\請求書.pdf"}) {
        write_bytes(path, one_page_pdf("invoice"));
        const OpenedPdf opened = open_pdf(path, "");
        ASSERT_TRUE(opened.document) << path << ": " << opened.detail;
        EXPECT_NE(first_page_text(*opened.document).find("invoice"), std::string::npos) << path;
    }
}

TEST(WindowsPdfSource, WhatCannotBeOpenedSaysWhy) {
    const ScratchFolder dir;
    write_bytes(dir / "空.pdf", "");
    write_bytes(dir / "文.pdf", "plain text");
    CreateDirectoryW(extended_path(dir / "フォルダー.pdf").c_str(), nullptr);
    const std::pair<std::string, OpenFailure> cases[] = {
        {dir / "空.pdf", OpenFailure::not_pdf},
        {dir / "文.pdf", OpenFailure::not_pdf},
        {dir / "フォルダー.pdf", OpenFailure::unreadable},
        {dir / "無い.pdf", OpenFailure::unreadable},
    };
    for (const auto& [path, failure] : cases) {
        const OpenedPdf opened = open_pdf(path, "");
        EXPECT_EQ(opened.failure, failure) << path;
        EXPECT_EQ(opened.detail.empty(), failure != OpenFailure::unreadable) << path << ": " << opened.detail;
    }
}

// A worker keeps a split document open between its parts; the user may
// rename or replace the file meanwhile, and the kept document reads on.
TEST(WindowsPdfSource, AKeptDocumentLetsItsFileBeRenamed) {
    const ScratchFolder dir;
    write_bytes(dir / "a.pdf", one_page_pdf("kept"));
    KeptPdf kept;
    const OpenedPdf& opened = kept.open(dir / "a.pdf", "");
    ASSERT_TRUE(opened.document);
    EXPECT_TRUE(MoveFileW(extended_path(dir / "a.pdf").c_str(), extended_path(dir / "b.pdf").c_str())) << GetLastError();
    EXPECT_EQ(&kept.open(dir / "a.pdf", ""), &opened);
    EXPECT_NE(first_page_text(*opened.document).find("kept"), std::string::npos);
    kept.release();
}

}  // namespace
}  // namespace zuvediv
