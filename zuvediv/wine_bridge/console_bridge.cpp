// Zuvediv.exe for Wine: a Windows console program that runs the native Linux
// build of the search tool ("zuvediv", next to this file) with the same
// arguments, shows what it prints in this console and ends with its exit
// status. Wine gives a native process neither a console window nor a handle
// to wait on, and passes it only the unix file behind its standard output;
// so the tool writes into a temporary file that we follow, and reports its
// pid and exit status in a second file (common/search_contract.h).
#include <winsock2.h>
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "common/search_contract.h"
#include "double_cell_layout.h"

namespace {
// The command line after the program name, exactly as it reached us.
std::wstring ArgumentsTail(const wchar_t* line) {
    bool quoted = false;
    for (; *line && (quoted || (*line != L' ' && *line != L'\t')); ++line)
        if (*line == L'"') quoted = !quoted;
    return line;
}

std::wstring NativeToolPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.rfind(L'\\') + 1);
    return folder + search_contract::widen_ascii(search_contract::kNativeToolFileName);
}

// The layout for a console in a double-byte code page whose cells are half
// a kanji wide (the console font of our Wine set-up); none for any other
// console, whose cells already hold a whole character.
std::optional<zuvediv::DoubleCellLayout> DoubleCellLayoutFor(HANDLE console) {
    const UINT codePage = GetConsoleOutputCP();
    CPINFO codePageInfo{};
    CONSOLE_FONT_INFOEX font{};
    font.cbSize = sizeof font;
    CONSOLE_SCREEN_BUFFER_INFO screen{};
    if (!GetCPInfo(codePage, &codePageInfo) || codePageInfo.MaxCharSize != 2 ||
        !GetCurrentConsoleFontEx(console, FALSE, &font) || !GetConsoleScreenBufferInfo(console, &screen))
        return std::nullopt;
    // A kanji is about as wide as the cell is high, a half-width cell half that.
    if (font.dwFontSize.X * 4 >= font.dwFontSize.Y * 3) return std::nullopt;
    return zuvediv::DoubleCellLayout(screen.dwSize.X, screen.dwCursorPosition.X, [codePage](char16_t unit) {
        const wchar_t character = unit;
        char bytes[2];
        return WideCharToMultiByte(codePage, 0, &character, 1, bytes, sizeof bytes, nullptr, nullptr) == 2;
    });
}

void WriteToConsole(HANDLE console, std::optional<zuvediv::DoubleCellLayout>& layout, const std::wstring& text) {
    std::wstring laid = text;
    if (layout) {
        const std::u16string_view units(reinterpret_cast<const char16_t*>(text.data()), text.size());
        const std::u16string cells = layout->Lay(units);
        laid.assign(cells.begin(), cells.end());
    }
    DWORD written = 0;
    WriteConsoleW(console, laid.data(), static_cast<DWORD>(laid.size()), &written, nullptr);
}

// Writes UTF-8 bytes to the console as UTF-16, or passes them on when redirected.
class Output {
public:
    explicit Output(DWORD which) : m_handle(GetStdHandle(which)) {
        DWORD mode = 0;
        m_console = GetConsoleMode(m_handle, &mode) != FALSE;
        if (m_console) m_layout = DoubleCellLayoutFor(m_handle);
    }
    void Write(const char* bytes, DWORD size) {
        if (!m_console) {
            DWORD written = 0;
            WriteFile(m_handle, bytes, size, &written, nullptr);
            return;
        }
        m_pending.append(bytes, size);
        // Keep an incomplete UTF-8 sequence for the next chunk.
        size_t complete = m_pending.size();
        size_t back = 0;
        while (back < 4 && back < complete && (static_cast<unsigned char>(m_pending[complete - 1 - back]) & 0xC0) == 0x80)
            ++back;
        if (back < complete) {
            const unsigned char lead = static_cast<unsigned char>(m_pending[complete - 1 - back]);
            const size_t needed = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            if (needed > back + 1) complete -= back + 1;
        }
        const int wide = MultiByteToWideChar(CP_UTF8, 0, m_pending.data(), static_cast<int>(complete), nullptr, 0);
        std::wstring text(static_cast<size_t>(wide), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, m_pending.data(), static_cast<int>(complete), &text[0], wide);
        WriteToConsole(m_handle, m_layout, text);
        m_pending.erase(0, complete);
    }

private:
    HANDLE m_handle;
    bool m_console = false;
    std::optional<zuvediv::DoubleCellLayout> m_layout;
    std::string m_pending;
};

using search_contract::ToolStatus;

// Reads the tool's status file: its pid once started, its exit status at the end.
ToolStatus ReadStatus(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    char text[256] = {};
    DWORD read = 0;
    ReadFile(file, text, sizeof text - 1, &read, nullptr);
    CloseHandle(file);
    return search_contract::read_bridge_status(std::string(text, read));
}

// Wine shows the host's /proc under drive Z:.
bool NativeProcessAlive(unsigned long pid) {
    const std::wstring proc = L"Z:\\proc\\" + std::to_wstring(pid);
    return GetFileAttributesW(proc.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Report(const std::wstring& message) {
    const HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(console, &mode)) {
        fwprintf(stderr, L"%ls", message.c_str());
        return;
    }
    std::optional<zuvediv::DoubleCellLayout> layout = DoubleCellLayoutFor(console);
    WriteToConsole(console, layout, message);
}

// A connected pair of loopback sockets. Wine hands the tool the unix socket
// behind the end given as its standard input; we hold the other end, which
// closes when we end in any way (console closed, Ctrl+C, killed), and the
// tool stops at that end of file. Wine's pipes have no unix side to hand on.
struct Lifeline {
    SOCKET ours = INVALID_SOCKET;
    SOCKET tools = INVALID_SOCKET;
};

Lifeline MakeLifeline() {
    Lifeline pair;
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return pair;
    const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    if (listener != INVALID_SOCKET && bind(listener, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) == 0 && listen(listener, 1) == 0) {
        pair.ours = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        if (connect(pair.ours, reinterpret_cast<sockaddr*>(&address), size) == 0)
            pair.tools = accept(listener, nullptr, nullptr);
    }
    if (listener != INVALID_SOCKET) closesocket(listener);
    return pair;
}

// Starts the native tool with our arguments, writing into output; 0 or the error.
DWORD StartTool(const std::wstring& tool, HANDLE output) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    const Lifeline lifeline = MakeLifeline();
    startup.hStdInput = lifeline.tools != INVALID_SOCKET ? reinterpret_cast<HANDLE>(lifeline.tools)
                                                         : GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    std::wstring line = L"\"" + tool + L"\"" + ArgumentsTail(GetCommandLineW());
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessW(tool.c_str(), buffer.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    const DWORD error = started ? 0 : GetLastError();
    if (lifeline.tools != INVALID_SOCKET) closesocket(lifeline.tools);  // the tool's copy must be the only one
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    return error;
}

std::wstring TempFile(const wchar_t* prefix) {
    wchar_t folder[MAX_PATH] = {}, file[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    if (!GetTempFileNameW(folder, prefix, 0, file)) return {};
    return file;
}
}  // namespace

int wmain() {
    const std::wstring outputPath = TempFile(L"zuo");
    const std::wstring statusPath = TempFile(L"zus");
    if (outputPath.empty() || statusPath.empty()) return 2;
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE writer = CreateFileW(outputPath.c_str(), GENERIC_WRITE, share, &inherit, CREATE_ALWAYS, 0, nullptr);
    HANDLE reader = CreateFileW(outputPath.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (writer == INVALID_HANDLE_VALUE || reader == INVALID_HANDLE_VALUE) return 2;
    SetEnvironmentVariableW(search_contract::widen_ascii(search_contract::kBridgeStatusVariable).c_str(), statusPath.c_str());

    const std::wstring tool = NativeToolPath();
    const DWORD startError = StartTool(tool, writer);
    CloseHandle(writer);
    if (startError != 0) {
        Report(L"Zuvediv: 検索ツール " + tool + L" を起動できません (エラー " + std::to_wstring(startError) + L")\r\n");
        CloseHandle(reader);
        DeleteFileW(statusPath.c_str());
        return 2;
    }

    Output out(STD_OUTPUT_HANDLE);
    char chunk[4096];
    const ULONGLONG startDeadline = GetTickCount64() + 30000;
    ToolStatus status;
    for (bool finished = false;;) {
        DWORD read = 0;
        if (ReadFile(reader, chunk, sizeof chunk, &read, nullptr) && read > 0) {
            out.Write(chunk, read);
            continue;
        }
        if (finished) break;  // the output after the exit has been read too
        status = ReadStatus(statusPath);
        if (status.exited) {
            finished = true;
        } else if (status.pid != 0 ? !NativeProcessAlive(status.pid) : GetTickCount64() > startDeadline) {
            Report(L"Zuvediv: 検索ツールが途中で終了しました\r\n");
            status.exit_code = ToolStatus{}.exit_code;
            finished = true;
        } else {
            Sleep(50);
        }
    }
    CloseHandle(reader);
    DeleteFileW(statusPath.c_str());
    return status.exit_code;
}
