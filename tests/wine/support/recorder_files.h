#pragma once
#include <windows.h>

#include <string>
#include <vector>

// What the stand-in search tool saw on one start.
struct ToolRecord {
    std::wstring line;               // its GetCommandLineW
    std::vector<std::wstring> args;  // its argv after the program name
};

// The record and hold files of the stand-in tool, named in this process's
// environment so that the program, cmd.exe and the tool inherit them.
// Removed again, with the variables, when the object goes.
class RecorderFiles {
public:
    // With hold, the tool waits until Release() before it ends.
    explicit RecorderFiles(bool hold = false);
    ~RecorderFiles();
    RecorderFiles(const RecorderFiles&) = delete;
    RecorderFiles& operator=(const RecorderFiles&) = delete;

    std::vector<ToolRecord> Records() const;
    // Waits until at least count records exist; returns what is there then.
    std::vector<ToolRecord> WaitForRecords(size_t count, DWORD milliseconds = 15000) const;
    void Release() const;

private:
    std::wstring m_folder;
    std::wstring m_record;
    std::wstring m_hold;
};

// Waits until the window is enabled (or disabled) again.
bool WaitForEnabled(HWND window, bool enabled, DWORD milliseconds = 15000);
