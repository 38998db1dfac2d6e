#include "support/program_under_test.h"

#include <shlwapi.h>
#include <tlhelp32.h>

#include <stdexcept>
#include <vector>

#include "resources/resource.h"

namespace {
void Copy(const std::wstring& from, const std::wstring& to) {
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) throw std::runtime_error("cannot copy a program");
}

// A job that ends its processes when its handle closes.
HANDLE MakeKillingJob() {
    const HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!job || !SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits))
        throw std::runtime_error("cannot make a job for the program");
    return job;
}
}  // namespace

std::wstring TestProgramDirectory() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    PathRemoveFileSpecW(path);
    return path;
}

ProgramUnderTest::ProgramUnderTest(bool withStandIn) : m_copy(std::in_place, L"prog") {
    program_registry::Clear();
    m_programDir = m_copy->Path();
    const std::wstring testDir = TestProgramDirectory();
    Copy(testDir + L"\\..\\..\\Vivevav.exe", m_programDir + L"\\Vivevav.exe");
    if (withStandIn) Copy(testDir + L"\\arg_recorder.exe", m_programDir + L"\\Zuvediv.exe");
}

ProgramUnderTest::ProgramUnderTest(const std::wstring& programDirectory) : m_programDir(programDirectory) {
    program_registry::Clear();
}

ProgramUnderTest::~ProgramUnderTest() {
    EndProcess();
    program_registry::Clear();
}

void ProgramUnderTest::EndProcess() {
    if (m_job) CloseHandle(m_job);  // ends the program and all it started
    if (m_process.hProcess) {
        WaitForSingleObject(m_process.hProcess, 5000);
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
    m_job = nullptr;
    m_process = PROCESS_INFORMATION{};
}

void ProgramUnderTest::Start() {
    EndProcess();
    m_job = MakeKillingJob();
    const std::wstring commandLine = L"\"" + m_programDir + L"\\Vivevav.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    // Wine rarely fails a start once with an internal error; one retry.
    for (int attempt = 0; attempt < 2 && !m_process.hProcess; ++attempt) {
        std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
        buffer.push_back(L'\0');
        // Detached, as when started from the desktop: consoles it starts get windows of their own.
        if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS | CREATE_SUSPENDED,
                            nullptr, m_programDir.c_str(), &startup, &m_process))
            m_process = PROCESS_INFORMATION{};
    }
    if (!m_process.hProcess || !AssignProcessToJobObject(m_job, m_process.hProcess))
        throw std::runtime_error("cannot start Vivevav.exe");
    ResumeThread(m_process.hThread);
    m_window = WaitForProcessWindow(m_process.dwProcessId, L"PDF Vivevav");
    if (!m_window) throw std::runtime_error("the search dialog did not appear");
    Settle();
}

bool ProgramUnderTest::WaitForExit() const {
    return WaitForSingleObject(m_process.hProcess, 15000) == WAIT_OBJECT_0;
}

bool ProgramUnderTest::Close() const {
    PostCloseBox();
    return WaitForExit();
}

int ProgramUnderTest::DefaultButton() const {
    const LRESULT result = SendMessageW(m_window, DM_GETDEFID, 0, 0);
    const int named = HIWORD(result) == DC_HASDEFID ? LOWORD(result) : 0;
    int drawn = 0;
    for (int id : {IDC_SEARCH, IDCANCEL})
        if ((GetWindowLongW(Item(id), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) drawn = drawn ? -1 : id;
    return named == drawn ? named : 0;
}

RemoteDialog ProgramUnderTest::WaitForDialog(const std::wstring& caption) const {
    const HWND window = WaitForProcessWindow(m_process.dwProcessId, caption, m_window);
    if (!window) throw std::runtime_error("the dialog did not appear");
    RemoteDialog dialog(window);
    dialog.Settle();
    return dialog;
}

RemoteDialog ProgramUnderTest::OpenDialog(int command, const std::wstring& caption) const {
    PostCommand(command);
    return WaitForDialog(caption);
}

std::wstring ProgramUnderTest::TakeMessage() const {
    const RemoteDialog box = WaitForDialog(L"Vivevav");  // the program's name
    const std::wstring text = box.Text(0xFFFF);         // a message box's text control
    box.Press(IDOK);
    box.WaitClosed();
    Settle();
    return text;
}

HWND ConsoleWindow() {
    HWND window = nullptr;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !window; more = Process32NextW(snapshot, &entry))
        if (lstrcmpiW(entry.szExeFile, L"conhost.exe") == 0) window = FindProcessWindow(entry.th32ProcessID);
    CloseHandle(snapshot);
    return window;
}
