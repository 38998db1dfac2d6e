#include "search_dialog/command_line.h"

#include <cwchar>

namespace {
// Characters that cmd.exe acts on outside its quotes; a line break may end
// the command there.
bool IsCmdOperator(wchar_t c) {
    switch (c) {
    case L'&': case L'|': case L'<': case L'>': case L'(': case L')': case L'^': case L'!':
    case L'\r': case L'\n':
        return true;
    default:
        return false;
    }
}

bool IsArgumentBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

std::wstring Hex(uint32_t value) {
    wchar_t buffer[16] = {};
    std::swprintf(buffer, 16, L"%X", static_cast<unsigned>(value));
    return buffer;
}

std::wstring ToolPath(const std::wstring& programDirectory) {
    return programDirectory + L"\\" + search_contract::widen_ascii(search_contract::kToolFileName);
}
}  // namespace

void CmdFieldWriter::Put(wchar_t c) {
    m_text += c;
    m_backslashes = c == L'\\' ? m_backslashes + 1 : 0;
}

// Every quote flips both views. Backslashes before it are doubled so that the
// parser keeps them as they were typed.
void CmdFieldWriter::Toggle() {
    m_text.append(m_backslashes, L'\\');
    m_text += L'"';
    m_backslashes = 0;
    m_cmdQuoted = !m_cmdQuoted;
    m_argQuoted = !m_argQuoted;
    m_percentOpen = false;
}

void CmdFieldWriter::Plain(const std::wstring& text) {
    for (wchar_t c : text) Put(c);
}

void CmdFieldWriter::Quoted(const std::wstring& field) {
    Toggle();
    for (wchar_t c : field) {
        if (c == L'"') {
            // \" is a quote to the parser, but flips cmd.exe's view alone.
            m_text.append(m_backslashes + 1, L'\\');
            m_text += L'"';
            m_backslashes = 0;
            m_cmdQuoted = !m_cmdQuoted;
            m_percentOpen = false;
            continue;
        }
        // A quote in the name stops %NAME% and %NAME:...% from being expanded.
        if ((c == L'%' || c == L':') && m_percentOpen) Toggle();
        else if (IsArgumentBlank(c) && !m_argQuoted) Toggle();
        else if (IsCmdOperator(c) && !m_cmdQuoted) Toggle();
        Put(c);
        if (c == L'%') m_percentOpen = true;
    }
    // Close as the parser sees it, so the next blank separates arguments.
    if (!m_argQuoted) Toggle();
    Toggle();
}

// The program name ends at the next quote for the started program, so no
// quote may be added inside; a path holds none of its own. Its operators
// stand inside cmd.exe's quotes; a single '%' is closed off by the quote.
void CmdFieldWriter::QuotedProgram(const std::wstring& path) {
    Toggle();
    for (wchar_t c : path) Put(c);
    Toggle();
}

std::optional<std::wstring> CompleteCsvFileName(const std::wstring& text) {
    if (Utf16Length(text) < 2) return std::nullopt;
    const std::wstring extension = L".csv";
    const std::size_t tail = text.size() < 4 ? text.size() : 4;
    std::wstring last = text.substr(text.size() - tail);
    for (wchar_t& c : last) c = AsciiLower(c);
    if (last == extension) return text;
    return text + extension;
}

std::wstring ComposeSearchCommandLine(const SearchRequest& r) {
    CmdFieldWriter w;
    w.QuotedProgram(ToolPath(r.programDirectory));
    w.Plain(L" ");
    if (r.subfolders) w.Plain(L" -s");
    if (r.switches.createImage) w.Plain(L" -m");
    if (const auto* format = search_contract::image_format_at(r.imageFormat))
        w.Plain(L" -F " + search_contract::widen_ascii(format->option_value));
    if (!r.outputFolder.empty()) {
        w.Plain(L" -O ");
        w.Quoted(r.outputFolder);
    }
    if (const auto csv = CompleteCsvFileName(r.csvFileName)) {
        w.Plain(L" -o ");
        w.Quoted(*csv);
    }
    // The tool writes a column unless told not to.
    if (!r.switches.header) w.Plain(L" -H");
    if (!r.switches.fieldFolder) w.Plain(L" -P");
    if (!r.switches.fieldFile) w.Plain(L" -Q");
    if (!r.switches.fieldSearchString) w.Plain(L" -R");
    if (r.switches.progress) w.Plain(L" -v");
    if (!r.password.empty()) {
        w.Plain(L" -p ");
        w.Quoted(r.password);
    }
    // Opacity and width are left out at the tool's defaults; a colour is left
    // out only when it names none.
    if (r.opacity < search_contract::kOpacityDefault) w.Plain(L" -a " + std::to_wstring(r.opacity));
    if (r.frameWidth > static_cast<uint32_t>(search_contract::kFrameWidthDefault))
        w.Plain(L" -w " + std::to_wstring(static_cast<int32_t>(r.frameWidth)));
    if (r.frameColourRgb <= search_contract::kFrameColourMax) w.Plain(L" -C " + Hex(r.frameColourRgb));
    w.Plain(L" ");
    w.Quoted(r.searchString);
    w.Plain(L" ");
    w.Quoted(r.inputPath);
    const wchar_t* prefix = r.switches.closeCommandPrompt ? L"cmd.exe /C \"" : L"cmd.exe /K \"";
    return prefix + w.Text() + L"\"";
}

std::wstring ComposeHelpCommandLine(const std::wstring& programDirectory) {
    CmdFieldWriter w;
    w.QuotedProgram(ToolPath(programDirectory));
    w.Plain(L" -h");
    return L"cmd.exe /K \"" + w.Text() + L"\"";
}

std::size_t Utf16Length(const std::wstring& text) {
    std::size_t units = 0;
    for (wchar_t c : text) units += static_cast<uint32_t>(c) > 0xFFFF ? 2 : 1;
    return units;
}
