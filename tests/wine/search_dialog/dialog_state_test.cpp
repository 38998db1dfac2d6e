// The search dialog as its template and a first start make it, the About
// box, and the mode switch on the real file system.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"
#include "version.h"

// Then the mode switch looks at the file system and keeps the subfolder choice.
TEST(DialogState, FirstStartShowsTheTemplateStateTheAboutBoxAndModeSwitchesFollowTheFileSystem) {
    const TempFolder root(L"docs");
    ProgramUnderTest program;
    program.Start();
    EXPECT_TRUE(program.IsChecked(IDC_RADIO_FILE));
    for (int id : {IDC_SUBFOLDERS, IDC_CREATE_IMAGE, IDC_IMAGE_FORMAT}) EXPECT_FALSE(program.IsEnabled(id)) << id;
    for (int box : {IDC_RADIO_FOLDER, IDC_SUBFOLDERS, IDC_CREATE_IMAGE, IDC_CLOSE_PROMPT, IDC_PROGRESS,
                    IDC_CSV_HEADER, IDC_CSV_FOLDER, IDC_CSV_FILE, IDC_CSV_SEARCH_STRING})
        EXPECT_FALSE(program.IsChecked(box)) << box;
    for (int edit : {IDC_INPUT_PATH, IDC_OUTPUT_FOLDER, IDC_SEARCH_STRING, IDC_CSV_FILE_NAME})
        EXPECT_EQ(program.Text(edit), L"") << edit;
    EXPECT_EQ(SendMessageW(program.Item(IDC_IMAGE_FORMAT), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(program.Text(IDC_IMAGE_FORMAT), L"PNG形式");
    EXPECT_FALSE(IsWindowVisible(program.Item(IDOK)));
    EXPECT_EQ(program.DefaultButton(), IDCANCEL);
    EXPECT_EQ(program.Focus(), program.Item(IDCANCEL));
    // The About box opens from both menus and stores nothing.
    const std::wstring about = L"バージョン情報 PDF Vivevav";
    RemoteDialog box = program.OpenDialog(ID_HELP_ABOUT, about);
    EXPECT_TRUE(FindWindowExW(box.Window(), nullptr, L"Static", L"" VIVEVAV_ABOUT_TEXT));
    SetWindowPos(box.Window(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    box.PostKey(IDOK, VK_ESCAPE);
    ASSERT_TRUE(box.WaitClosed());
    PostMessageW(program.Window(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    box = program.WaitForDialog(about);
    box.Press(IDOK);
    ASSERT_TRUE(box.WaitClosed());
    EXPECT_TRUE(program_registry::TakeSnapshot().empty());
    // Both path fields refuse typing; only their pickers fill them.
    for (int field : {IDC_INPUT_PATH, IDC_OUTPUT_FOLDER}) {
        SendMessageW(program.Item(field), WM_CHAR, L'x', 1);
        EXPECT_EQ(program.Text(field), L"") << field;
    }

    const std::wstring withPdf = root.Path() + L"\\withpdf", pdf = withPdf + L"\\report.pdf";
    const std::wstring noPdf = root.Path() + L"\\nopdf", gone = root.Path() + L"\\gone";
    MakeFile(pdf);
    MakeFile(noPdf + L"\\notes.txt");
    MakeFile(noPdf + L"\\folder.pdf\\inner.txt");  // a folder is no PDF file
    struct Case { int to; std::wstring path, expected; };
    const Case cases[] = {
        {IDC_RADIO_FILE, withPdf, pdf},        {IDC_RADIO_FILE, noPdf, L""},
        {IDC_RADIO_FILE, gone, gone},          {IDC_RADIO_FOLDER, pdf, withPdf},
        {IDC_RADIO_FOLDER, gone + L".pdf", gone + L".pdf"},
    };
    for (const Case& c : cases) {
        program.Click(c.to == IDC_RADIO_FILE ? IDC_RADIO_FOLDER : IDC_RADIO_FILE);
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
