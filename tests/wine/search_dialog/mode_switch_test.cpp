// The file/folder switch on real folders and files.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"
#include "support/temp_folder.h"

namespace {
class ModeSwitch : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = MakeTempFolder(L"docs");
        MakeFile(m_folder + L"\\withpdf\\report.pdf");
        MakeFolder(m_folder + L"\\nopdf");
        MakeFile(m_folder + L"\\nopdf\\notes.txt");
        m_program.Start();
    }
    void TearDown() override { RemoveTempFolder(m_folder); }

    // Puts the path into the field in the given mode, then switches to the other.
    std::wstring Switch(int from, int to, const std::wstring& path) {
        if (!m_program.IsChecked(from)) m_program.Click(from);
        m_program.SetText(IDC_INPUT_PATH, path);
        m_program.Click(to);
        return m_program.Text(IDC_INPUT_PATH);
    }

    ProgramUnderTest m_program;
    std::wstring m_folder;
};
}  // namespace

TEST_F(ModeSwitch, FolderToFilePicksTheFirstPdf) {
    EXPECT_EQ(Switch(IDC_RADIO_FOLDER, IDC_RADIO_FILE, m_folder + L"\\withpdf"), m_folder + L"\\withpdf\\report.pdf");
    EXPECT_EQ(Switch(IDC_RADIO_FOLDER, IDC_RADIO_FILE, m_folder + L"\\withpdf\\"),
              m_folder + L"\\withpdf\\report.pdf");
}

TEST_F(ModeSwitch, FolderWithoutPdfEmptiesTheField) {
    EXPECT_EQ(Switch(IDC_RADIO_FOLDER, IDC_RADIO_FILE, m_folder + L"\\nopdf"), L"");
}

TEST_F(ModeSwitch, FileOrNothingStaysInFileMode) {
    const std::wstring file = m_folder + L"\\withpdf\\report.pdf";
    EXPECT_EQ(Switch(IDC_RADIO_FOLDER, IDC_RADIO_FILE, file), file);
    const std::wstring missing = m_folder + L"\\gone\\";
    EXPECT_EQ(Switch(IDC_RADIO_FOLDER, IDC_RADIO_FILE, missing), missing);
}

TEST_F(ModeSwitch, FileToFolderCutsTheFileName) {
    EXPECT_EQ(Switch(IDC_RADIO_FILE, IDC_RADIO_FOLDER, m_folder + L"\\withpdf\\report.pdf"), m_folder + L"\\withpdf");
    const std::wstring folderWithSeparator = m_folder + L"\\withpdf\\";
    EXPECT_EQ(Switch(IDC_RADIO_FILE, IDC_RADIO_FOLDER, folderWithSeparator), folderWithSeparator);
    const std::wstring missing = m_folder + L"\\gone.pdf";
    EXPECT_EQ(Switch(IDC_RADIO_FILE, IDC_RADIO_FOLDER, missing), missing);
}

TEST_F(ModeSwitch, PatternOverTheLengthLimitLeavesTheField) {
    // A folder whose path plus "\\*.pdf" no longer fits in 259 characters: were
    // the search made anyway, it would find no PDF file and empty the field.
    std::wstring deep = m_folder;
    while (deep.size() + 11 < 254) deep += L"\\abcdefghij";
    deep += L"\\" + std::wstring(254 - deep.size() - 1, L'k');
    ASSERT_EQ(deep.size(), 254u);
    MakeFolder(deep);
    ASSERT_NE(GetFileAttributesW(deep.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Switch(IDC_RADIO_FOLDER, IDC_RADIO_FILE, deep), deep);
}
