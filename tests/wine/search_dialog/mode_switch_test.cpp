// The file/folder switch on real folders and files.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"
#include "support/temp_folder.h"

TEST(ModeSwitch, OnRealFoldersAndFiles) {
    const std::wstring root = MakeTempFolder(L"docs"), withPdf = root + L"\\withpdf", pdf = withPdf + L"\\report.pdf";
    MakeFile(pdf);
    MakeFile(root + L"\\nopdf\\notes.txt");
    // Path plus "\*.pdf" no longer fits in 259 characters: were the search
    // made anyway, it would find no PDF file and empty the field.
    std::wstring deep = root;
    while (deep.size() + 11 < 252) deep += L"\\abcdefghij";  // leaves room for a last name
    deep += L"\\" + std::wstring(254 - deep.size() - 1, L'k');
    MakeFolder(deep);
    ASSERT_NE(GetFileAttributesW(deep.c_str()), INVALID_FILE_ATTRIBUTES);
    struct Case {
        bool toFile;
        std::wstring path, expected;
    };
    const Case cases[] = {
        {true, withPdf, pdf},          {true, withPdf + L"\\", pdf},  // the first PDF
        {true, root + L"\\nopdf", L""},  // a folder without one
        {true, pdf, pdf},              {true, root + L"\\gone\\", root + L"\\gone\\"},
        {true, deep, deep},
        {false, pdf, withPdf},         {false, withPdf + L"\\", withPdf + L"\\"},
        {false, root + L"\\gone.pdf", root + L"\\gone.pdf"},
    };
    ProgramUnderTest program;
    program.Start();
    for (const Case& c : cases) {
        const int from = c.toFile ? IDC_RADIO_FOLDER : IDC_RADIO_FILE, to = c.toFile ? IDC_RADIO_FILE : IDC_RADIO_FOLDER;
        if (!program.IsChecked(from)) program.Click(from);
        program.SetText(IDC_INPUT_PATH, c.path);
        program.Click(to);
        EXPECT_EQ(program.Text(IDC_INPUT_PATH), c.expected);
    }
    RemoveTempFolder(root);
}
