// Makes the sample folder that a newcomer can search at once:
// make_samples <folder>. The password of the protected file is "vivevav".
#include <filesystem>
#include <iostream>

#include "pdf_writer.h"

namespace fs = std::filesystem;
using pdf_writer::PageLines;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_samples <folder>\n";
        return 2;
    }
    const fs::path root = argv[1];
    try {
        fs::remove_all(root);
        fs::create_directories(root / "2025");
        pdf_writer::write_pdf(root / "請求書_2026-11.pdf",
                              {PageLines{{60, 60, "請求書"},
                                         {60, 100, "株式会社ルデドデ 御中"},
                                         {60, 140, "下記のとおりご請求申し上げます。"},
                                         {60, 180, "品名: PDF検索ツール 年間ライセンス"},
                                         {60, 220, "合計金額: ¥120,000 (税込)"}},
                               PageLines{{60, 60, "お支払いについて"},
                                         {60, 100, "本請求"},
                                         {60, 120, "書の金額を月末までにお振込みください。"}}});
        pdf_writer::write_pdf(root / "annual_report.pdf",
                              {PageLines{{60, 60, "Annual report 2026"},
                                         {60, 100, "Every invoice (請求書) was paid on time."},
                                         {60, 140, "ＩＮＶＯＩＣＥ numbers are printed full-width in Japan."}},
                               PageLines{{60, 60, "Appendix: invoice list"}}});
        pdf_writer::write_pdf(root / "2025" / "見積書.pdf",
                              {PageLines{{60, 60, "見積書"}, {60, 100, "ご依頼の件、下記のとおりお見積もりいたします。"},
                                         {60, 140, "請求書は納品後にお送りします。"}}});
        const fs::path plain = root / "protected-plain.pdf";
        pdf_writer::write_pdf(plain, {PageLines{{60, 60, "社外秘: 請求書の控え"}}});
        pdf_writer::run_qpdf({"--encrypt", "vivevav", "vivevav-owner", "256", "--", plain.string(),
                              (root / "protected.pdf").string()});
        fs::remove(plain);
    } catch (const std::exception& e) {
        std::cerr << "make_samples: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
