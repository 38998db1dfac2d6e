#include "option_dialogs/option_dialog.h"

#include <algorithm>
#include <stdexcept>

#include "winlayer/colour_button.h"

namespace {
const wchar_t kProgramKey[] = L"Software\\Rudedode\\Vivevav";

void Collect(HKEY parent, const std::wstring& path, RegistrySnapshot& out) {
    HKEY key = nullptr;
    const std::wstring full = path.empty() ? kProgramKey : std::wstring(kProgramKey) + L"\\" + path;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, full.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256] = {};
        DWORD nameLength = 256, type = 0, size = 0;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        std::vector<uint8_t> data(size);
        nameLength = 256;
        RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data.data(), &size);
        out[path + L"\\" + name] = data;
    }
    for (DWORD i = 0;; ++i) {
        wchar_t sub[256] = {};
        DWORD subLength = 256;
        if (RegEnumKeyExW(key, i, sub, &subLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        Collect(parent, path.empty() ? std::wstring(sub) : path + L"\\" + sub, out);
    }
    RegCloseKey(key);
}
}  // namespace

OptionDialog::OptionDialog(const ProgramUnderTest& program, const std::wstring& caption, int command)
    : m_program(program) {
    if (command) program.PostCommand(command);
    m_window = WaitForProcessWindow(program.ProcessId(), caption, 10000);
    if (!m_window) throw std::runtime_error("the option dialog did not appear");
    Settle();
}

std::wstring OptionDialog::Text(int id) const { return ControlText(Item(id)); }

void OptionDialog::SetText(int id, const std::wstring& text) const {
    SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void OptionDialog::Press(int id) const {
    PostMessageW(m_window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
}

void OptionDialog::PostKey(int id, WORD key) const {
    PostMessageW(Item(id), WM_KEYDOWN, key, 1);
    PostMessageW(Item(id), WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
}

bool OptionDialog::WaitClosed(DWORD milliseconds) const {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (IsWindow(m_window)) {
        if (GetTickCount64() > deadline) return false;
        Sleep(20);
    }
    return true;
}

RECT OptionDialog::Rect() const {
    RECT rect{};
    GetWindowRect(m_window, &rect);
    return rect;
}

COLORREF OptionDialog::ButtonColour() const {
    return static_cast<COLORREF>(SendMessageW(Item(1021), CBM_GETCOLOUR, 0, 0));
}

HWND OptionDialog::WaitForPalette(DWORD milliseconds) const {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    do {
        const auto palette = reinterpret_cast<HWND>(SendMessageW(Item(1021), CBM_GETPALETTE, 0, 0));
        if (palette && IsWindowVisible(palette)) return palette;
        Sleep(20);
    } while (GetTickCount64() < deadline);
    return nullptr;
}

void OptionDialog::Settle() const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(m_window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
}

ShownMessage WaitForProgramMessage(const ProgramUnderTest& program, DWORD milliseconds) {
    ShownMessage message;
    message.window = WaitForProcessWindow(program.ProcessId(), L"Vivevav", milliseconds);
    if (!message.window) return message;
    message.caption = L"Vivevav";
    wchar_t text[1024] = {};
    GetDlgItemTextW(message.window, 0xFFFF, text, 1024);  // a message box's text control
    message.text = text;
    return message;
}

RegistrySnapshot SnapshotProgramRegistry() {
    RegistrySnapshot snapshot;
    Collect(HKEY_CURRENT_USER, L"", snapshot);
    return snapshot;
}

bool RegistryHoldsText(const RegistrySnapshot& snapshot, const std::wstring& text) {
    const auto* begin = reinterpret_cast<const uint8_t*>(text.data());
    const auto* end = begin + text.size() * sizeof(wchar_t);
    for (const auto& [name, bytes] : snapshot) {
        if (std::search(bytes.begin(), bytes.end(), begin, end) != bytes.end()) return true;
    }
    return false;
}

std::pair<int, int> EditSelection(HWND edit) {
    const auto packed = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
    return {LOWORD(packed), HIWORD(packed)};
}

HWND WaitForOwnedDialog(DWORD processId, HWND owner) {
    struct Search {
        DWORD processId;
        HWND owner;
        HWND found;
    };
    for (int i = 0; i < 500; ++i) {
        Search search{processId, owner, nullptr};
        EnumWindows(
            [](HWND hwnd, LPARAM lp) -> BOOL {
                auto* s = reinterpret_cast<Search*>(lp);
                DWORD process = 0;
                GetWindowThreadProcessId(hwnd, &process);
                wchar_t className[16] = {};
                GetClassNameW(hwnd, className, 16);
                if (process != s->processId || GetWindow(hwnd, GW_OWNER) != s->owner || !IsWindowVisible(hwnd) ||
                    lstrcmpW(className, L"#32770") != 0)
                    return TRUE;
                s->found = hwnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(20);
    }
    return nullptr;
}
