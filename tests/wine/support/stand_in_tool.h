#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

// What the stand-in search tool saw on one start.
struct ToolRecord {
    std::wstring line;               // its GetCommandLineW
    std::vector<std::wstring> args;  // its argv after the program name
};

// The stand-in tool's record file and release event, named in this
// process's environment so that the program, cmd.exe and the tool inherit
// them; gone again, with the variables, when the object goes.
class StandInTool {
public:
    // Held, each start of the tool waits until Release().
    explicit StandInTool(bool held = false);
    ~StandInTool();
    StandInTool(const StandInTool&) = delete;
    StandInTool& operator=(const StandInTool&) = delete;

    std::vector<ToolRecord> Records() const;
    // Waits until at least count records exist; returns what is there then.
    std::vector<ToolRecord> WaitForRecords(size_t count) const;
    void Release() const { SetEvent(m_release); }

private:
    TempFolder m_folder{L"rec"};
    std::wstring m_record = m_folder.Path() + L"\\record.txt";
    HANDLE m_release = nullptr;
};

// Stored settings under which a search run closes its console by itself and
// adds no option but the frame colour, searching the given input path.
void StoreQuietRun(const std::wstring& inputPath);
