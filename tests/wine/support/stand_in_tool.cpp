#include "support/stand_in_tool.h"

#include "support/program_registry.h"
#include "support/wait_until.h"

StandInTool::StandInTool(bool held) {
    const std::wstring releaseName = L"vivevav-release-" + std::to_wstring(GetCurrentProcessId());
    m_release = CreateEventW(nullptr, TRUE, FALSE, releaseName.c_str());
    SetEnvironmentVariableW(L"VIVEVAV_RECORD", m_record.c_str());
    SetEnvironmentVariableW(L"VIVEVAV_HOLD", held ? releaseName.c_str() : nullptr);
}

StandInTool::~StandInTool() {
    Release();  // a tool still held must not outlive the test
    CloseHandle(m_release);
    SetEnvironmentVariableW(L"VIVEVAV_RECORD", nullptr);
    SetEnvironmentVariableW(L"VIVEVAV_HOLD", nullptr);
}

std::vector<ToolRecord> StandInTool::Records() const {
    const std::string bytes = ReadFileBytes(m_record);
    const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    std::vector<ToolRecord> records;
    // Only whole records count; the tool may be writing the last one.
    for (size_t at = 0, end; (end = text.find(L'\x1e', at)) != std::wstring::npos; at = end + 1) {
        ToolRecord record;
        for (size_t unit = at, stop; (stop = text.find(L'\x1f', unit)) < end; unit = stop + 1)
            (unit == at ? record.line : record.args.emplace_back()) = text.substr(unit, stop - unit);
        records.push_back(record);
    }
    return records;
}

std::vector<ToolRecord> StandInTool::WaitForRecords(size_t count) const {
    std::vector<ToolRecord> records;
    WaitUntil([&] { return (records = Records()).size() >= count; });
    return records;
}

void StoreQuietRun(const std::wstring& inputPath) {
    using namespace program_registry;
    Write(kSettings, L"CloseCommandPrompt", 1);
    Write(kSettings, L"ImageFormat", 0xFFFFFFFF);
    Write(kSettings, L"InputName", inputPath);
    for (const wchar_t* box : {L"Header", L"FieldFolder", L"FieldFile", L"FieldSString"}) Write(kCsv, box, 1);
}
