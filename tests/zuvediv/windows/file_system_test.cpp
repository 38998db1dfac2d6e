// The Windows file-system side of the tool: the folder walk, the identity
// the cache keeps of a file, the cache's folder, and the result list that
// only appears once complete. Names are Japanese with blanks, and some
// paths are longer than MAX_PATH.
#include <gtest/gtest.h>
#include <windows.h>

#include "cache/file_identity.h"
#include "cache/private_cache_place.h"
#include "documents/pdf_file_list.h"
#include "output/atomic_file.h"
#include "output/output_file.h"
#include "platform/long_path_windows.h"
#include "platform/unique_handle_windows.h"
#include "windows/scratch_folder.h"

namespace zuvediv {
namespace {

using zuvediv_test::ScratchFolder;
using zuvediv_test::write_bytes;

std::vector<std::string> listed(const PdfListing& listing) {
    std::vector<std::string> names;
    for (const PdfFile& f : listing.files) names.push_back(f.relative_folder + "|" + f.name);
    return names;
}

TEST(WindowsFolderWalk, ListsPdfsInUtf8OrderBelowLongPathsAndNothingElse) {
    const ScratchFolder dir;
    const std::string deep = zuvediv_test::make_deep_folder(dir / "深い");
    for (const std::string& file : {dir / "請求書 一月.PDF", dir / "\xEF\xBC\xA1.pdf", dir / "𠮷.pdf", dir / "a.pdf.txt", deep + "\\奥.pdf"})
        write_bytes(file, "%PDF-1.4");
    CreateDirectoryW(extended_path(dir / "フォルダー.pdf").c_str(), nullptr);  // a folder, not a document

    const PdfListing top = list_pdf_files(dir.path(), false);
    ASSERT_EQ(top.error, "");
    // UTF-8 byte order, the Linux build's: Ａ (U+FF21) before 𠮷 (U+20BB7), where UTF-16 has them the other way.
    EXPECT_EQ(listed(top), (std::vector<std::string>{"|請求書 一月.PDF", "|\xEF\xBC\xA1.pdf", "|𠮷.pdf"}));
    const PdfListing all = list_pdf_files(dir.path(), true);
    ASSERT_EQ(all.files.size(), 4u);
    EXPECT_EQ(all.files[0].name, "奥.pdf");
    EXPECT_GT(all.files[0].path.size(), size_t{MAX_PATH});
    EXPECT_TRUE(all.unreadable_folders.empty());
    EXPECT_EQ(list_pdf_files(dir / "無い", true).error, "検索するパスが見つかりません: " + (dir / "無い"));
}

void rewrite_keeping_size_and_time(const std::string& path) {
    const UniqueHandle file(CreateFileW(extended_path(path).c_str(), GENERIC_READ | GENERIC_WRITE | FILE_WRITE_ATTRIBUTES,
                                        0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    FILETIME written{};
    GetFileTime(file.get(), nullptr, nullptr, &written);
    DWORD count = 0;
    WriteFile(file.get(), "%PDF-1.7", 8, &count, nullptr);
    SetFileTime(file.get(), nullptr, nullptr, &written);
}

// The index and volume as the system's one-call answer gives them: caches
// kept by earlier builds stay valid.
void expect_index_and_volume_of(const std::string& path, const FileIdentity& identity) {
    const UniqueHandle file(CreateFileW(extended_path(path).c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    ASSERT_TRUE(GetFileInformationByHandle(file.get(), &info)) << path;
    EXPECT_EQ(identity.inode, static_cast<int64_t>((uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow)) << path;
    EXPECT_EQ(identity.device, static_cast<int64_t>(info.dwVolumeSerialNumber)) << path;
}

TEST(WindowsFileIdentity, SameFileByAnySpellingAndAChangeInPlaceIsSeen) {
    const ScratchFolder dir;
    const std::string pdf = dir / "請求書 一月.pdf";
    write_bytes(pdf, "%PDF-1.4");
    const std::optional<FileIdentity> before = identify_file(pdf);
    ASSERT_TRUE(before);
    expect_index_and_volume_of(pdf, *before);
    EXPECT_EQ(before->path.find('\\'), std::string::npos) << before->path;
    EXPECT_EQ(before->path.rfind(identity_path(dir.path()) + "/", 0), 0u) << "below its folder's identity path";
    for (const std::string& spelling : {dir / "sub\\..\\請求書 一月.PDF", "\\\\?\\" + pdf}) {
        const std::optional<FileIdentity> same = identify_file(spelling);
        ASSERT_TRUE(same) << spelling;
        EXPECT_TRUE(*same == *before) << spelling;
    }
    Sleep(20);
    rewrite_keeping_size_and_time(pdf);
    const std::optional<FileIdentity> after = identify_file(pdf);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->size, before->size);
    EXPECT_EQ(after->mtime_ns, before->mtime_ns);
    EXPECT_NE(after->ctime_ns, before->ctime_ns);
    const std::string deep = zuvediv_test::make_deep_folder(dir / "深い");
    write_bytes(deep + "\\奥.pdf", "%PDF-1.4");
    const std::optional<FileIdentity> deep_file = identify_file(deep + "\\奥.pdf");
    ASSERT_TRUE(deep_file) << "past MAX_PATH";
    expect_index_and_volume_of(deep + "\\奥.pdf", *deep_file);
    EXPECT_EQ(deep_file->path.rfind(identity_path(deep) + "/", 0), 0u) << deep_file->path;
    EXPECT_FALSE(identify_file(dir.path())) << "a folder";
    EXPECT_FALSE(identify_file(dir / "無い.pdf"));
}

TEST(WindowsCachePlace, MadeWhenMissingAndRefusedWhenItsFilesAreNotFiles) {
    const ScratchFolder dir;
    const std::string database = dir / "Zuvediv\\pages.sqlite3";
    EXPECT_EQ(make_cache_place_private(database), "");
    EXPECT_NE(GetFileAttributesW(extended_path(dir / "Zuvediv").c_str()), INVALID_FILE_ATTRIBUTES);
    CreateDirectoryW(extended_path(database + "-wal").c_str(), nullptr);
    EXPECT_EQ(make_cache_place_private(database), "キャッシュのフォルダーにリンクがあります");
    write_bytes(dir / "plain", "");
    EXPECT_EQ(make_cache_place_private(dir / "plain\\pages.sqlite3"), "キャッシュのフォルダーがリンクか、フォルダーではありません");
    EXPECT_EQ(make_cache_place_private(dir / "無い\\Zuvediv\\pages.sqlite3"), "キャッシュのフォルダーを作れません");
}

size_t files_in(const std::string& folder) {
    size_t count = 0;
    WIN32_FIND_DATAW found{};
    const HANDLE find = FindFirstFileW((extended_path(folder) + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do count += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    while (FindNextFileW(find, &found));
    FindClose(find);
    return count;
}

TEST(WindowsAtomicFile, ReplacesOnlyOnCommitAlsoPastMaxPath) {
    const ScratchFolder dir;
    for (const std::string& folder : {dir.path(), zuvediv_test::make_deep_folder(dir / "深い")}) {
        const std::string target = folder + "\\結果 一覧.csv";
        write_bytes(target, "previous");
        for (bool commit : {false, true}) {
            AtomicFile file;
            ASSERT_EQ(file.open(target), "") << target;
            file.write(commit ? "new list" : "half");
            EXPECT_EQ(zuvediv_test::read_bytes(target), "previous");
            EXPECT_EQ(commit ? file.commit() : "", "");
        }
        EXPECT_EQ(zuvediv_test::read_bytes(target), "new list");
        EXPECT_EQ(files_in(folder), 1u) << "no temporary file stays";
    }
    EXPECT_NE(AtomicFile().open(dir / "無い\\r.csv"), "");
}

// Images of documents deep in a tree go into the same folders below -O.
TEST(WindowsOutputFiles, FoldersAndImagesPastMaxPath) {
    const ScratchFolder dir;
    const std::string folder = zuvediv_test::make_deep_folder(dir / "出力") + "\\新しい\\フォルダー";
    ASSERT_TRUE(make_folders(folder));
    std::FILE* image = create_output_file(folder + "\\請求書_1.png");
    ASSERT_NE(image, nullptr);
    std::fputs("png", image);
    std::fclose(image);
    EXPECT_EQ(zuvediv_test::read_bytes(folder + "\\請求書_1.png"), "png");
    TIFF* tiff = create_tiff_file(folder + "\\請求書_1.tif");
    EXPECT_NE(tiff, nullptr);
    if (tiff) TIFFClose(tiff);
    write_bytes(dir / "ファイル", "");
    EXPECT_FALSE(make_folders(dir / "ファイル\\下"));
    EXPECT_TRUE(make_folders(folder)) << "already there";
}

}  // namespace
}  // namespace zuvediv
