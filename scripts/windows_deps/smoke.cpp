// The libraries at work on Windows: page 1 of a PDF as UTF-8 text and as an
// image, ICU's NFKC and a Shift_JIS converter (its data loaded from a folder),
// SQLite in memory, and Tesseract reading the image. build.sh links it to prove
// the link line complete; smoke.sh runs it under Wine.
//   smoke.exe PDF OUTDIR ICUDATADIR TESSDATADIR LANG
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include <poppler-document.h>
#include <poppler-image.h>
#include <poppler-page.h>
#include <poppler-page-renderer.h>
#include <poppler-version.h>
#include <sqlite3.h>
#include <tesseract/baseapi.h>
#include <unicode/normalizer2.h>
#include <unicode/putil.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>
#include <windows.h>

static std::string utf8(const wchar_t* w)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
    std::string s(n > 0 ? n - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, w, -1, &s[0], n, nullptr, nullptr);
    return s;
}

static int fail(const char* what)
{
    std::printf("FAIL: %s\n", what);
    return 1;
}

static bool sqlite_works()
{
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    bool ok = sqlite3_open(":memory:", &db) == SQLITE_OK &&
              sqlite3_exec(db, "CREATE TABLE t(x); INSERT INTO t VALUES ('ok');", nullptr, nullptr, nullptr) == SQLITE_OK &&
              sqlite3_prepare_v2(db, "SELECT x FROM t", -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW;
    sqlite3_finalize(st);
    sqlite3_close(db);
    return ok;
}

int wmain(int argc, wchar_t** argv)
{
    if (argc != 6) return fail("usage: smoke.exe PDF OUTDIR ICUDATADIR TESSDATADIR LANG");
    const std::string pdf = utf8(argv[1]), out = utf8(argv[2]), tessdata = utf8(argv[4]), lang = utf8(argv[5]);

    std::unique_ptr<poppler::document> doc(poppler::document::load_from_file(pdf));
    if (!doc) return fail("poppler could not open the PDF");
    std::unique_ptr<poppler::page> page(doc->create_page(0));
    poppler::byte_array text = page->text().to_utf8();
    std::ofstream(out + "\\page1.txt", std::ios::binary).write(text.data(), text.size());
    poppler::page_renderer renderer;
    poppler::image image = renderer.render_page(page.get(), 150, 150);
    if (!image.is_valid() || !image.save(out + "\\page1.png", "png")) return fail("rendering");

    u_setDataDirectory(utf8(argv[3]).c_str());
    UErrorCode status = U_ZERO_ERROR;
    std::string nfkc;
    icu::Normalizer2::getNFKCInstance(status)->normalize(icu::UnicodeString::fromUTF8("ｶﾀｶﾅ１２３"), status).toUTF8String(nfkc);
    ucnv_close(ucnv_open("Shift_JIS", &status));
    if (U_FAILURE(status)) return fail(u_errorName(status));
    std::ofstream(out + "\\nfkc.txt", std::ios::binary) << nfkc;

    if (!sqlite_works()) return fail("sqlite");

    tesseract::TessBaseAPI ocr;
    if (ocr.Init(tessdata.c_str(), lang.c_str()) != 0) return fail("tesseract init");
    // poppler's ARGB32 lies in memory as 4 bytes a pixel, which Tesseract reads as RGBA.
    ocr.SetImage(reinterpret_cast<const unsigned char*>(image.const_data()), image.width(), image.height(), 4,
                 image.bytes_per_row());
    std::unique_ptr<char[]> words(ocr.GetUTF8Text());
    std::ofstream(out + "\\ocr.txt", std::ios::binary) << words.get();
    std::printf("poppler %s, ICU %s, SQLite %s, Tesseract %s: ok\n", poppler::version_string().c_str(),
                U_ICU_VERSION, sqlite3_libversion(), ocr.Version());
    return 0;
}
