// The folder walk on a hostile tree: FIFOs and sockets named .pdf, links
// that loop or lead twice to one folder, a path too long to open, and names
// that are not UTF-8. It must end, list each document once, and say what
// it could not read.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

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

void write_at(int folder, const char* name, const std::string& bytes) {
    const int file = ::openat(folder, name, O_WRONLY | O_CREAT, 0644);
    (void)!::write(file, bytes.data(), bytes.size());
    ::close(file);
}

// Folders nested below `top`, made one at a time relative to the last, a
// PDF in each. Wherever the checkout lives, the deepest folder that opens
// holds the longest path the system opens (".../x.pdf", PATH_MAX - 1 bytes)
// and one a byte longer (".../xy.pdf"), and below it lies a folder too long
// to open. Returns how many of the folders open.
size_t make_too_deep(const fs::path& top, const std::string& pdf) {
    const size_t deepest = PATH_MAX - 1 - std::strlen("/x.pdf");
    const size_t to_go = deepest - top.native().size();  // each folder adds a slash and its name
    const size_t first = 50 + (to_go - 51) % 201;
    std::vector<std::string> names(1 + (to_go - 1 - first) / 201, std::string(200, 'd'));
    names.front() = std::string(first, 'e');
    names.push_back(std::string(200, 'f'));
    int folder = ::open(top.c_str(), O_DIRECTORY);
    for (size_t level = 0; level < names.size(); ++level) {
        ::mkdirat(folder, names[level].c_str(), 0755);
        const int next = ::openat(folder, names[level].c_str(), O_DIRECTORY);
        ::close(folder);
        folder = next;
        write_at(folder, "x.pdf", pdf);
        if (level == names.size() - 2) write_at(folder, "xy.pdf", pdf);
    }
    ::close(folder);
    return names.size() - 1;
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
    // Named through the folder's descriptor: a socket's path must be short, the checkout's may not be.
    const int root_fd = ::open(root.c_str(), O_PATH | O_DIRECTORY);
    const std::string socket_path = "/proc/self/fd/" + std::to_string(root_fd) + "/s.pdf";
    socket_path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(root_fd);
    ASSERT_TRUE(fs::is_socket(root / "s.pdf"));
    fs::create_directory_symlink("..", root / "sub" / "loop");
    fs::create_directory_symlink(outside, root / "sub" / "out1");
    fs::create_directory_symlink(outside, root / "out2");
    const RemovedByRm deep_tree{root / "deep"};
    fs::create_directory(deep_tree.path);
    const size_t levels = make_too_deep(deep_tree.path, ReadFileBytes(fixtures().deeper));

    const PdfListing listing = list_pdf_files(root.string(), true);
    ::close(sock);
    std::vector<std::string> listed;
    std::vector<size_t> deep_lengths;
    for (const PdfFile& f : listing.files) {
        if (f.relative_folder.rfind("deep/", 0) == 0) deep_lengths.push_back(f.path.size());
        else listed.push_back(f.relative_folder + "|" + f.name);
    }
    // Either link may be the one followed into the folder outside.
    ASSERT_EQ(listed.size(), 4u) << testing::PrintToString(listed);
    EXPECT_EQ(listed[0], "|a.pdf");
    EXPECT_TRUE(listed[1] == "out2|o.pdf" || listed[1] == "sub/out1|o.pdf") << listed[1];
    EXPECT_EQ(listed[2], "sub|caf\uFFFD.pdf");
    EXPECT_EQ(listed[3], "sub|請求書.pdf");
    EXPECT_EQ(deep_lengths.size(), levels + 1) << "every PDF in a folder that opens, however long its path";
    EXPECT_EQ(*std::max_element(deep_lengths.begin(), deep_lengths.end()), size_t{PATH_MAX});
    ASSERT_EQ(listing.unreadable_folders.size(), 1u);
    EXPECT_EQ(listing.unreadable_folders[0].reason, "File name too long");

    // The tool opens the bytes and shows the readable names.
    const zuvediv_test::ToolRun run = zuvediv_test::run_tool_binary({"-s", "-P", "-R", "-H", "-o", dir / "r.csv", "here", root.string()});
    EXPECT_NE(run.out.find(": フォルダを読めません (File name too long)\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("/xy.pdf: ファイルを読めません (File name too long)\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.exit_code, 0) << run.out << run.err;
    const std::string csv = ReadFileBytes(dir / "r.csv");
    for (const char* row : {"a.pdf,1,", "\ncaf\uFFFD.pdf,1,", "\n請求書.pdf,1,"}) EXPECT_NE(csv.find(row), std::string::npos) << row;
    size_t deep_rows = 0;
    for (size_t at = csv.find("\nx.pdf,1,"); at != std::string::npos; at = csv.find("\nx.pdf,1,", at + 1)) ++deep_rows;
    EXPECT_EQ(deep_rows, levels) << "the longest path that opens is searched";
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
