#include "support/recorder_files.h"

#include "support/temp_folder.h"

namespace {
std::wstring Between(const std::wstring& text, size_t& at, const std::wstring& open, const std::wstring& close) {
    const size_t start = text.find(open, at);
    const size_t end = text.find(close, start + open.size());
    at = end + close.size();
    return text.substr(start + open.size(), end - start - open.size());
}
}  // namespace

RecorderFiles::RecorderFiles(bool hold) {
    m_folder = MakeTempFolder(L"rec");
    m_record = m_folder + L"\\record.txt";
    m_hold = m_folder + L"\\release";
    SetEnvironmentVariableW(L"VIVEVAV_RECORD", m_record.c_str());
    SetEnvironmentVariableW(L"VIVEVAV_HOLD", hold ? m_hold.c_str() : nullptr);
}

RecorderFiles::~RecorderFiles() {
    // A tool still holding must not outlive the test.
    try {
        Release();
    } catch (...) {
    }
    SetEnvironmentVariableW(L"VIVEVAV_RECORD", nullptr);
    SetEnvironmentVariableW(L"VIVEVAV_HOLD", nullptr);
    RemoveTempFolder(m_folder);
}

std::vector<ToolRecord> RecorderFiles::Records() const {
    std::vector<ToolRecord> records;
    const HANDLE file = CreateFileW(m_record.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return records;
    std::wstring text(GetFileSize(file, nullptr) / sizeof(wchar_t), L'\0');
    DWORD read = 0;
    if (!text.empty()) ReadFile(file, &text[0], static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read, nullptr);
    CloseHandle(file);
    text.resize(read / sizeof(wchar_t));
    // Only whole records count; the tool may be writing the last one.
    for (size_t at = 0;;) {
        const size_t start = text.find(L"<record>\n", at);
        const size_t end = text.find(L"</record>\n", start);
        if (start == std::wstring::npos || end == std::wstring::npos) break;
        const std::wstring body = text.substr(start, end - start);
        ToolRecord record;
        size_t pos = 0;
        record.line = Between(body, pos, L"<line>", L"</line>\n");
        while (body.find(L"<arg>", pos) != std::wstring::npos) record.args.push_back(Between(body, pos, L"<arg>", L"</arg>\n"));
        records.push_back(record);
        at = end + 1;
    }
    return records;
}

std::vector<ToolRecord> RecorderFiles::WaitForRecords(size_t count, DWORD milliseconds) const {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    std::vector<ToolRecord> records = Records();
    while (records.size() < count && GetTickCount64() < deadline) {
        Sleep(50);
        records = Records();
    }
    return records;
}

void RecorderFiles::Release() const { MakeFile(m_hold); }

bool WaitForEnabled(HWND window, bool enabled, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while ((IsWindowEnabled(window) != FALSE) != enabled) {
        if (GetTickCount64() >= deadline) return false;
        Sleep(50);
    }
    return true;
}
