// The folder walk on a hostile tree: FIFOs and sockets named .pdf, links
// that loop or lead twice to one folder, a path too long to open, and names
// that are not UTF-8. It must end, list each document once, and say what
// it could not read.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "documents/pdf_file_list.h"
#include "support/pdf_fixtures.h"
#include "support/tool_builds.h"

namespace zuvediv {
namespace {

using zuvediv_test::fixtures;
using zuvediv_test::ScratchDir;
namespace fs = std::filesystem;

// Folders nested below `top` until the path is longer than the system
// opens, made one at a time relative to the last; a PDF at every level.
void make_too_deep(const fs::path& top, const std::string& pdf) {
    int folder = ::open(top.c_str(), O_DIRECTORY);
    const std::string name(200, 'd');
    for (size_t length = top.native().size(); length < PATH_MAX + 400; length += name.size() + 1) {
        ::mkdirat(folder, name.c_str(), 0755);
        const int next = ::openat(folder, name.c_str(), O_DIRECTORY);
        ::close(folder);
        folder = next;
        const int file = ::openat(folder, "x.pdf", O_WRONLY | O_CREAT, 0644);
        (void)!::write(file, pdf.data(), pdf.size());
        ::close(file);
    }
    ::close(folder);
}

// What remove_all cannot: a tree deeper than a path can name.
struct RemovedByRm {
    fs::path path;
    ~RemovedByRm() { (void)!std::system(("rm -rf '" + path.string() + "'").c_str()); }
};

TEST(FolderWalk, EndsListsEachDocumentOnceAndNamesWhatItCannotRead) {
    const ScratchDir dir;
    const fs::path root = dir.path() / "root", outside = dir.path() / "outside";
    fs::create_directories(root / "sub");
    fs::create_directories(outside);
    fs::copy_file(fixtures().deeper, root / "a.pdf");
    fs::copy_file(fixtures().deeper, outside / "o.pdf");
    fs::copy_file(fixtures().deeper, root / "sub" / "\x90\xbf\x8b\x81\x8f\x91.pdf");  // 請求書 in Windows-31J
    fs::copy_file(fixtures().deeper, root / "sub" / "caf\xe9.pdf");                  // Latin-1, neither
    ASSERT_EQ(::mkfifo((root / "fifo.pdf").c_str(), 0644), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socket_path = (root / "s.pdf").string();
    socket_path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    fs::create_directory_symlink("..", root / "sub" / "loop");
    fs::create_directory_symlink(outside, root / "sub" / "out1");
    fs::create_directory_symlink(outside, root / "out2");
    const RemovedByRm deep_tree{root / "deep"};
    fs::create_directory(deep_tree.path);
    make_too_deep(deep_tree.path, ReadFileBytes(fixtures().deeper));

    const PdfListing listing = list_pdf_files(root.string(), true);
    ::close(sock);
    std::vector<std::string> listed;
    size_t deep_files = 0;
    for (const PdfFile& f : listing.files) {
        if (f.relative_folder.rfind("deep/", 0) == 0) ++deep_files;
        else listed.push_back(f.relative_folder + "|" + f.name);
    }
    // Either link may be the one followed into the folder outside.
    ASSERT_EQ(listed.size(), 4u) << testing::PrintToString(listed);
    EXPECT_EQ(listed[0], "|a.pdf");
    EXPECT_TRUE(listed[1] == "out2|o.pdf" || listed[1] == "sub/out1|o.pdf") << listed[1];
    EXPECT_EQ(listed[2], "sub|caf\uFFFD.pdf");
    EXPECT_EQ(listed[3], "sub|請求書.pdf");
    EXPECT_GT(deep_files, 10u) << "long paths that open are listed";
    ASSERT_EQ(listing.unreadable_folders.size(), 1u);
    EXPECT_EQ(listing.unreadable_folders[0].reason, "File name too long");
    for (const PdfFile& f : listing.files) EXPECT_TRUE(fs::exists(f.path) || f.path.size() > PATH_MAX) << f.path;

    // The tool opens the bytes and shows the readable names.
    const zuvediv_test::ToolRun run = zuvediv_test::run_tool_binary({"-s", "-P", "-R", "-H", "-o", dir / "r.csv", "here", root.string()});
    EXPECT_NE(run.out.find(": フォルダを読めません (File name too long)\n"), std::string::npos) << run.out;
    const std::string csv = ReadFileBytes(dir / "r.csv");
    for (const char* row : {"a.pdf,1,", "\ncaf\uFFFD.pdf,1,", "\n請求書.pdf,1,"}) EXPECT_NE(csv.find(row), std::string::npos) << row;
}

// What both builds see alike (under Wine a link is a reparse point the
// Windows build looks through): links to folders and files are followed, a
// loop ends, a broken link is passed over, names are listed in one order.
class FolderWalkCli : public zuvediv_test::BothBuilds {};
RUN_ON_BOTH_BUILDS(FolderWalkCli);

TEST_P(FolderWalkCli, LinksFollowedLoopsEndedAndTheListTheSameOnBothBuilds) {
    const ScratchDir dir;
    const fs::path root = dir.path() / "検索 ルート", outside = dir.path() / "外";
    fs::create_directories(root / "sub");
    fs::create_directories(outside);
    for (const fs::path& pdf : {root / "a.pdf", root / "大文字.PDF", root / "sub" / "日本 語.pdf", outside / "o.pdf"})
        fs::copy_file(fixtures().deeper, pdf);
    fs::create_directory_symlink("..", root / "sub" / "loop");
    fs::create_directory_symlink(outside, root / "sub" / "out1");
    fs::create_directory_symlink(outside, root / "out2");
    fs::create_symlink("nowhere.pdf", root / "broken.pdf");
    fs::create_symlink(root / "a.pdf", root / "sub" / "link.pdf");
    const zuvediv_test::ToolRun run = build().run({"-N", "-s", "-H", "-P", "-R", "-o", dir / "r.csv", "here", root.string()});
    EXPECT_EQ(run.exit_code, 0) << run.out << run.err;
    EXPECT_EQ(ReadFileBytes(dir / "r.csv"), "\xEF\xBB\xBF"
                                           "a.pdf,1,deeper invoice here\r\n"
                                           "o.pdf,1,deeper invoice here\r\n"
                                           "link.pdf,1,deeper invoice here\r\n"
                                           "日本 語.pdf,1,deeper invoice here\r\n"
                                           "大文字.PDF,1,deeper invoice here\r\n");
}

}  // namespace
}  // namespace zuvediv
