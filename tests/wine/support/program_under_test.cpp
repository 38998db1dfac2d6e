#include "support/program_under_test.h"

#include <shlwapi.h>

#include <cstring>
#include <stdexcept>

#include "support/temp_folder.h"

namespace {
const wchar_t kProgramKey[] = L"Software\\Rudedode\\Vivevav";

std::wstring KeyPath(const std::wstring& section) { return std::wstring(kProgramKey) + L"\\" + section; }

struct FindContext {
    DWORD processId;
    const std::wstring* caption;
    HWND except;
    HWND found;
};

BOOL CALLBACK FindWindowOfProcess(HWND hwnd, LPARAM lp) {
    auto* context = reinterpret_cast<FindContext*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != context->processId || hwnd == context->except || !IsWindowVisible(hwnd)) return TRUE;
    if (!context->caption->empty()) {
        wchar_t text[256] = {};
        GetWindowTextW(hwnd, text, 256);
        if (*context->caption != text) return TRUE;
    }
    context->found = hwnd;
    return FALSE;
}

std::optional<std::vector<uint8_t>> ReadRaw(const std::wstring& section, const std::wstring& name, DWORD expected) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<std::vector<uint8_t>> result;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == expected) {
        std::vector<uint8_t> bytes(size);
        if (RegQueryValueExW(key, name.c_str(), nullptr, &type, bytes.data(), &size) == ERROR_SUCCESS) {
            bytes.resize(size);
            result = bytes;
        }
    }
    RegCloseKey(key);
    return result;
}

void WriteRaw(const std::wstring& section, const std::wstring& name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the test's registry key");
    RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}
}  // namespace

std::wstring TestProgramDirectory() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    PathRemoveFileSpecW(path);
    return path;
}

HWND WaitForProcessWindow(DWORD processId, const std::wstring& caption, DWORD milliseconds, HWND except) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    do {
        FindContext context{processId, &caption, except, nullptr};
        EnumWindows(FindWindowOfProcess, reinterpret_cast<LPARAM>(&context));
        if (context.found) return context.found;
        Sleep(50);
    } while (GetTickCount64() < deadline);
    return nullptr;
}

ProgramUnderTest::ProgramUnderTest(bool withRecorder) {
    program_registry::Clear();
    m_programDir = MakeTempFolder(L"prog");
    const std::wstring testDir = TestProgramDirectory();
    // The test program lies in <build>\tests\wine, the program in <build>.
    const std::wstring program = testDir + L"\\..\\..\\Vivevav.exe";
    if (!CopyFileW(program.c_str(), (m_programDir + L"\\Vivevav.exe").c_str(), FALSE))
        throw std::runtime_error("cannot copy Vivevav.exe");
    if (withRecorder &&
        !CopyFileW((testDir + L"\\arg_recorder.exe").c_str(), (m_programDir + L"\\Zuvediv.exe").c_str(), FALSE))
        throw std::runtime_error("cannot copy the recorder");
}

ProgramUnderTest::ProgramUnderTest(const InPlace& place)
    : m_programDir(place.programDirectory), m_ownsProgramDir(false) {
    program_registry::Clear();
}

ProgramUnderTest::~ProgramUnderTest() {
    EndProcess();
    if (m_ownsProgramDir) RemoveTempFolder(m_programDir);
    program_registry::Clear();
}

void ProgramUnderTest::EndProcess() {
    if (!m_process.hProcess) return;
    if (IsRunning()) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hProcess);
    CloseHandle(m_process.hThread);
    m_process = PROCESS_INFORMATION{};
}

void ProgramUnderTest::Start() {
    EndProcess();
    std::wstring commandLine = L"\"" + m_programDir + L"\\Vivevav.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    // Wine rarely fails a start once with an internal error; one retry.
    for (int attempt = 0; attempt < 2 && !m_process.hProcess; ++attempt) {
        std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
        buffer.push_back(L'\0');
        // Detached, as when started from the desktop: consoles it starts get windows of their own.
        if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                            m_programDir.c_str(), &startup, &m_process))
            m_process = PROCESS_INFORMATION{};
    }
    if (!m_process.hProcess) throw std::runtime_error("cannot start Vivevav.exe");
    m_dialog = WaitForProcessWindow(m_process.dwProcessId, L"PDF Vivevav");
    if (!m_dialog) throw std::runtime_error("the search dialog did not appear");
    Settle();
}

std::wstring ControlText(HWND control) {
    wchar_t buffer[4096] = {};
    SendMessageW(control, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

std::wstring ProgramUnderTest::Text(int id) const { return ControlText(Item(id)); }

void ProgramUnderTest::PostKey(int id, WORD key) const {
    PostMessageW(Item(id), WM_KEYDOWN, key, 1);
    PostMessageW(Item(id), WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
}

int ProgramUnderTest::DefaultButtonId() const {
    const LRESULT result = SendMessageW(m_dialog, DM_GETDEFID, 0, 0);
    return HIWORD(result) == DC_HASDEFID ? LOWORD(result) : 0;
}

HWND ProgramUnderTest::FocusWindow() const {
    // While activation moves between windows (a message box just closed) the
    // thread briefly has no focus; give it a moment to settle.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    for (int i = 0; i < 100; ++i) {
        if (GetGUIThreadInfo(m_process.dwThreadId, &info) && info.hwndFocus) break;
        Sleep(20);
    }
    return info.hwndFocus;
}

void ProgramUnderTest::Settle() const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(m_dialog, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
}

namespace program_registry {
void Clear() { RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey); }

std::optional<DWORD> ReadInt(const std::wstring& section, const std::wstring& name) {
    const auto bytes = ReadRaw(section, name, REG_DWORD);
    DWORD value = 0;
    if (!bytes || bytes->size() != sizeof value) return std::nullopt;
    memcpy(&value, bytes->data(), sizeof value);
    return value;
}

std::optional<std::wstring> ReadString(const std::wstring& section, const std::wstring& name) {
    const auto bytes = ReadRaw(section, name, REG_SZ);
    if (!bytes) return std::nullopt;
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes->data()), bytes->size() / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

std::optional<std::vector<uint8_t>> ReadBinary(const std::wstring& section, const std::wstring& name) {
    return ReadRaw(section, name, REG_BINARY);
}

void WriteInt(const std::wstring& section, const std::wstring& name, DWORD value) {
    WriteRaw(section, name, REG_DWORD, &value, sizeof value);
}

void WriteString(const std::wstring& section, const std::wstring& name, const std::wstring& value) {
    WriteRaw(section, name, REG_SZ, value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void WriteBinary(const std::wstring& section, const std::wstring& name, const std::vector<uint8_t>& bytes) {
    WriteRaw(section, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}
}  // namespace program_registry
