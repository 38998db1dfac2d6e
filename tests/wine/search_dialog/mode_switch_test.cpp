// The file/folder switch on real folders and files, and the subfolder choice
// that waits in file mode.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"

TEST(ModeSwitch, LooksAtTheRealFileSystemAndKeepsTheSubfolderChoice) {
    const TempFolder root(L"docs");
    const std::wstring withPdf = root.Path() + L"\\withpdf", pdf = withPdf + L"\\report.pdf";
    const std::wstring noPdf = root.Path() + L"\\nopdf", gone = root.Path() + L"\\gone";
    MakeFile(pdf);
    MakeFile(noPdf + L"\\notes.txt");
    struct Case { int to; std::wstring path, expected; };
    const Case cases[] = {
        {IDC_RADIO_FILE, withPdf, pdf}, {IDC_RADIO_FILE, noPdf, L""},  // a folder without one
        {IDC_RADIO_FILE, gone, gone},   {IDC_RADIO_FOLDER, pdf, withPdf},
        {IDC_RADIO_FOLDER, gone + L".pdf", gone + L".pdf"},
    };
    ProgramUnderTest program;
    program.Start();
    for (const Case& c : cases) {
        const int from = c.to == IDC_RADIO_FILE ? IDC_RADIO_FOLDER : IDC_RADIO_FILE;
        if (!program.IsChecked(from)) program.Click(from);
        program.SetText(IDC_INPUT_PATH, c.path);
        program.Click(c.to);
        EXPECT_EQ(program.Text(IDC_INPUT_PATH), c.expected);
    }

    program.Click(IDC_SUBFOLDERS);
    program.Click(IDC_RADIO_FILE);
    EXPECT_FALSE(program.IsEnabled(IDC_SUBFOLDERS));
    EXPECT_FALSE(program.IsChecked(IDC_SUBFOLDERS));
    ASSERT_TRUE(program.Close());
    program.Start();
    program.Click(IDC_RADIO_FOLDER);
    EXPECT_TRUE(program.IsEnabled(IDC_SUBFOLDERS));
    EXPECT_TRUE(program.IsChecked(IDC_SUBFOLDERS)) << "remembered across file mode and a restart";
}
