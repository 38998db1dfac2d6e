#pragma once
// The two command lines handed to cmd.exe: the search run and the tool's
// help. Window-free, so the composition is tested natively.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "common/search_contract.h"
#include "search_dialog/search_switches.h"

// What one search reads from the dialog at the moment of the click.
struct SearchRequest {
    SearchSwitches switches;          // createImage only while 1007 is enabled too
    bool subfolders = false;          // 1008
    int imageFormat = -1;             // 1012 selection, -1 for none
    std::wstring outputFolder;        // 1004
    std::wstring csvFileName;         // 1009, before or after the name rule
    std::wstring password;
    int32_t opacity = search_contract::kOpacityDefault;
    uint32_t frameWidth = search_contract::kFrameWidthDefault;
    uint32_t frameColourRgb = search_contract::kFrameColourDefault;
    std::wstring searchString;        // 1005
    std::wstring inputPath;           // 1000
    std::wstring programDirectory;
};

// The CSV name rule: nothing for a name shorter than two characters (no -o
// piece), otherwise the name with ".csv" appended unless it already ends in
// it (compared without regard to ASCII case).
std::optional<std::wstring> CompleteCsvFileName(const std::wstring& text);

std::wstring ComposeSearchCommandLine(const SearchRequest& request);
std::wstring ComposeHelpCommandLine(const std::wstring& programDirectory);

// Length in UTF-16 units, whatever the width of wchar_t.
std::size_t Utf16Length(const std::wstring& text);
constexpr std::size_t kMaxCommandLineLength = 3200;
inline bool FitsCommandLineLimit(const std::wstring& line) {
    return Utf16Length(line) <= kMaxCommandLineLength;
}

// Writes the part of a cmd.exe /C or /K line that follows the opening outer
// quote. Each quoted field reaches the started program intact by the
// CommandLineToArgvW rules, and cmd.exe treats none of it as syntax: its
// operators only ever stand inside cmd.exe's quotes, every '%' is followed by
// a quote before any name could end, and a literal quote is passed as \" .
// Plain fields come out as "text".
class CmdFieldWriter {
public:
    // Text without quotes, '%' or characters that cmd.exe or the argument
    // parser treat specially; blanks separate arguments.
    void Plain(const std::wstring& text);
    void Quoted(const std::wstring& field);
    // The started program's path, first on the line. A folder name holding
    // two '%' is left to cmd.exe: quotes cannot be added inside the path.
    void QuotedProgram(const std::wstring& path);
    const std::wstring& Text() const { return m_text; }

private:
    void Toggle();
    void Put(wchar_t c);

    std::wstring m_text;
    bool m_cmdQuoted = false;   // cmd.exe's view: inside quotes
    bool m_argQuoted = false;   // the argument parser's view
    bool m_percentOpen = false; // a '%' not yet followed by a quote
    std::size_t m_backslashes = 0;
};
