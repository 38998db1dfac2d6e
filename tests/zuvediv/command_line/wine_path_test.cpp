#include <gtest/gtest.h>

#include "support/pdf_fixtures.h"
#include "command_line/wine_path.h"

namespace zuvediv {
namespace {

namespace fs = std::filesystem;

class WinePath : public ::testing::Test {
protected:
    void SetUp() override {
        prefix_ = zuvediv_test::scratch_dir("wineprefix");
        fs::create_directories(prefix_ / "dosdevices");
        fs::create_directories(prefix_ / "drive_c" / "users");
        fs::create_symlink("../drive_c", prefix_ / "dosdevices" / "c:");
        fs::create_symlink("/", prefix_ / "dosdevices" / "z:");
        wine_.prefix = prefix_.string();
    }
    fs::path prefix_;
    WineSetup wine_;
};

TEST_F(WinePath, MapsDriveLettersThroughDosdevices) {
    const std::pair<std::string, std::string> cases[] = {
        {"Z:\\tmp\\x", "/tmp/x"},
        {"z:/tmp/x", "/tmp/x"},
        {"Z:\\", "/"},
        {"Z:\\home\\user\\書類\\", "/home/user/書類"},
        {"C:\\users\\Public\\a.csv", (prefix_ / "drive_c/users/Public/a.csv").string()},
        {"c:\\users\\..\\x", (prefix_ / "drive_c/x").string()},
        {"/tmp/already/linux", "/tmp/already/linux"},
        {"relative/name.csv", "relative/name.csv"},
        {"result.csv", "result.csv"},
    };
    for (const auto& [windows, native] : cases) {
        const MappedPath m = to_native_path(windows, wine_);
        EXPECT_EQ(m.error, "") << windows;
        EXPECT_EQ(m.path, native) << windows;
    }
    EXPECT_NE(to_native_path("Q:\\x", wine_).error.find("Q:"), std::string::npos) << "an unknown drive";
}

TEST(WineSetupTest, PrefixFromEnvironmentOrHome) {
    setenv("WINEPREFIX", "/opt/prefix", 1);
    EXPECT_EQ(WineSetup::from_environment().prefix, "/opt/prefix");
    unsetenv("WINEPREFIX");
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(WineSetup::from_environment().prefix, "/home/someone/.wine");
}

}  // namespace
}  // namespace zuvediv
