// Values confirmed in the option dialogs reach the next search line;
// cancelled ones do not.
#include <gtest/gtest.h>

#include "option_dialogs/option_dialog.h"
#include "resources/resource.h"
#include "support/temp_folder.h"
#include "winlayer/colour_button.h"

namespace {
const std::wstring kInput = L"C:\\Docs";

// The stand-in tool appends its arguments to the file that VIVEVAV_RECORD
// names; the program, cmd.exe and the tool inherit it from here.
class ToolArguments {
public:
    ToolArguments() : m_folder(MakeTempFolder(L"rec")), m_file(m_folder + L"\\record.txt") {
        SetEnvironmentVariableW(L"VIVEVAV_RECORD", m_file.c_str());
    }
    ~ToolArguments() {
        SetEnvironmentVariableW(L"VIVEVAV_RECORD", nullptr);
        RemoveTempFolder(m_folder);
    }
    ToolArguments(const ToolArguments&) = delete;
    ToolArguments& operator=(const ToolArguments&) = delete;

    // The arguments of the first start, waited for.
    std::vector<std::wstring> WaitForFirst() const {
        for (int i = 0; i < 750; ++i) {
            const std::wstring text = Read();
            const auto end = text.find(L"</record>");
            if (end != std::wstring::npos) return Arguments(text.substr(0, end));
            Sleep(20);
        }
        return {};
    }

private:
    std::wstring Read() const {
        const HANDLE file = CreateFileW(m_file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return {};
        std::wstring text(32768, L'\0');
        DWORD read = 0;
        ReadFile(file, &text[0], static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read, nullptr);
        CloseHandle(file);
        text.resize(read / sizeof(wchar_t));
        return text;
    }
    static std::vector<std::wstring> Arguments(const std::wstring& record) {
        std::vector<std::wstring> args;
        const std::wstring open = L"<arg>", close = L"</arg>\n";
        for (size_t at = record.find(open); at != std::wstring::npos; at = record.find(open, at)) {
            const size_t end = record.find(close, at);
            if (end == std::wstring::npos) break;
            args.push_back(record.substr(at + open.size(), end - at - open.size()));
            at = end + close.size();
        }
        return args;
    }

    std::wstring m_folder;
    std::wstring m_file;
};

// A run that closes its console by itself and adds no option of its own.
void StoreQuietSearch() {
    program_registry::WriteInt(L"Settings", L"CloseCommandPrompt", 1);
    program_registry::WriteInt(L"Settings", L"ImageFormat", 0xFFFFFFFF);
    program_registry::WriteString(L"Settings", L"InputName", kInput);
    for (const wchar_t* box : {L"Header", L"FieldFolder", L"FieldFile", L"FieldSString"})
        program_registry::WriteInt(L"Settings\\CSV", box, 1);
}

std::vector<std::wstring> Search(const ProgramUnderTest& program, const ToolArguments& tool) {
    program.SetText(IDC_SEARCH_STRING, L"invoice");
    PostMessageW(program.Item(IDC_SEARCH), BM_CLICK, 0, 0);  // returns only when the run ends
    auto args = tool.WaitForFirst();
    for (int i = 0; i < 750 && !IsWindowEnabled(program.Dialog()); ++i) Sleep(20);
    return args;
}

void Confirm(const OptionDialog& dialog) {
    dialog.Press(IDOK);
    EXPECT_TRUE(dialog.WaitClosed());
}

void PickBlue(const OptionDialog& dialog) {
    PostMessageW(dialog.Item(IDC_COLOUR_BUTTON), BM_CLICK, 0, 0);
    const HWND palette = dialog.WaitForPalette();
    ASSERT_NE(palette, nullptr);
    PostMessageW(palette, WM_KEYDOWN, VK_DOWN, 1);  // from red to blue, printed as FF
    PostMessageW(palette, WM_KEYDOWN, VK_RETURN, 1);
    for (int i = 0; i < 250 && IsWindow(palette); ++i) Sleep(20);
}
}  // namespace

TEST(OptionSearchLine, ConfirmedValuesReachTheTool) {
    ToolArguments tool;
    ProgramUnderTest program(/*withRecorder=*/true);
    StoreQuietSearch();
    program.Start();
    {
        OptionDialog password(program, ID_SETTINGS_PASSWORD, kPasswordCaption);
        password.SetText(IDC_PASSWORD_EDIT, L"open sesame");
        Confirm(password);
    }
    {
        OptionDialog opacity(program, ID_SETTINGS_OPACITY, kOpacityCaption);
        opacity.SetText(IDC_VALUE_EDIT, L"5");
        Confirm(opacity);
    }
    {
        OptionDialog frame(program, ID_SETTINGS_FRAME, kFrameCaption);
        frame.SetText(IDC_VALUE_EDIT, L"5");
        PickBlue(frame);
        Confirm(frame);
    }
    EXPECT_EQ(Search(program, tool), (std::vector<std::wstring>{L"-p", L"open sesame", L"-a", L"5", L"-w", L"5",
                                                                L"-C", L"FF", L"invoice", kInput}));
}

TEST(OptionSearchLine, CancelledDialogsLeaveTheLineAlone) {
    ToolArguments tool;
    ProgramUnderTest program(/*withRecorder=*/true);
    StoreQuietSearch();
    program.Start();
    {
        OptionDialog password(program, ID_SETTINGS_PASSWORD, kPasswordCaption);
        password.SetText(IDC_PASSWORD_EDIT, L"open sesame");
        password.Press(IDCANCEL);
        ASSERT_TRUE(password.WaitClosed());
    }
    {
        OptionDialog opacity(program, ID_SETTINGS_OPACITY, kOpacityCaption);
        opacity.SetText(IDC_VALUE_EDIT, L"5");
        opacity.Press(IDCANCEL);
        ASSERT_TRUE(opacity.WaitClosed());
    }
    {
        OptionDialog frame(program, ID_SETTINGS_FRAME, kFrameCaption);
        frame.SetText(IDC_VALUE_EDIT, L"5");
        PickBlue(frame);
        PostMessageW(frame.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        ASSERT_TRUE(frame.WaitClosed());
    }
    EXPECT_EQ(Search(program, tool), (std::vector<std::wstring>{L"-C", L"FF0000", L"invoice", kInput}));
}

TEST(OptionSearchLine, DefaultOpacityConfirmedPassesNoOpacityAndAClearedPasswordNone) {
    ToolArguments tool;
    ProgramUnderTest program(/*withRecorder=*/true);
    StoreQuietSearch();
    program.Start();
    for (const wchar_t* text : {L"first", L""}) {
        OptionDialog password(program, ID_SETTINGS_PASSWORD, kPasswordCaption);
        password.SetText(IDC_PASSWORD_EDIT, text);
        Confirm(password);
    }
    {
        OptionDialog opacity(program, ID_SETTINGS_OPACITY, kOpacityCaption);
        EXPECT_EQ(opacity.Text(IDC_VALUE_EDIT), L"10");
        Confirm(opacity);
    }
    EXPECT_EQ(program_registry::ReadInt(L"Settings", L"AlphaValue"), 10u);
    EXPECT_EQ(Search(program, tool), (std::vector<std::wstring>{L"-C", L"FF0000", L"invoice", kInput}));
}
