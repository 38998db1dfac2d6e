#include "output/atomic_file.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/long_path_windows.h"
#include "platform/system_message_windows.h"
#include "platform/unique_handle_windows.h"

namespace zuvediv {
namespace {

constexpr size_t kWriteChunk = 1 << 16;

bool mark_for_deletion(HANDLE file, bool marked) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = marked ? TRUE : FALSE;
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
}

// Renamed through the open handle: no moment without a handle in which
// another program could take the file's place.
bool rename_open_file(HANDLE file, const std::wstring& target) {
    const size_t name_bytes = target.size() * sizeof(wchar_t);
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + name_bytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = TRUE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(name_bytes);
    std::memcpy(info->FileName, target.c_str(), name_bytes + sizeof(wchar_t));
    return SetFileInformationByHandle(file, FileRenameInfo, info, static_cast<DWORD>(buffer.size()));
}

}  // namespace

struct AtomicFile::State {
    UniqueHandle file;
    std::wstring target, temporary;
    bool marked = false;  // the system deletes it when the handle closes
    std::string pending;  // written in chunks
    DWORD write_error = ERROR_SUCCESS;

    ~State() { discard(); }

    // Nothing of a file not committed stays.
    void discard() {
        if (!file) return;
        const bool deleted_on_close = marked || mark_for_deletion(file.get(), true);
        file.close();
        if (!deleted_on_close) DeleteFileW(temporary.c_str());
    }

    void flush() {
        for (size_t done = 0; done < pending.size() && write_error == ERROR_SUCCESS;) {
            DWORD wrote = 0;
            if (!WriteFile(file.get(), pending.data() + done, static_cast<DWORD>(pending.size() - done), &wrote, nullptr))
                write_error = GetLastError();
            else if (wrote == 0)
                write_error = ERROR_WRITE_FAULT;
            done += wrote;
        }
        pending.clear();
    }
};

AtomicFile::AtomicFile() = default;
AtomicFile::~AtomicFile() = default;

bool AtomicFile::is_open() const { return state_ && state_->file; }

std::string AtomicFile::open(const std::string& path) {
    state_ = std::make_unique<State>();
    State& s = *state_;
    s.target = extended_path(path);
    s.temporary = s.target + L".tmp" + std::to_wstring(GetCurrentProcessId());
    s.file = UniqueHandle(CreateFileW(s.temporary.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!s.file) return system_message(GetLastError());
    // Where the file system cannot mark it, a killed run leaves the temporary file.
    s.marked = mark_for_deletion(s.file.get(), true);
    return "";
}

bool AtomicFile::write(std::string_view bytes) {
    if (!is_open() || state_->write_error != ERROR_SUCCESS) return false;
    state_->pending.append(bytes);
    if (state_->pending.size() >= kWriteChunk) state_->flush();
    return state_->write_error == ERROR_SUCCESS;
}

std::string AtomicFile::commit() {
    if (!is_open()) return "開かれていません";
    State& s = *state_;
    s.flush();
    DWORD error = s.write_error;
    if (error == ERROR_SUCCESS && s.marked) {
        if (mark_for_deletion(s.file.get(), false)) s.marked = false;
        else error = GetLastError();
    }
    if (error == ERROR_SUCCESS && !rename_open_file(s.file.get(), s.target)) error = GetLastError();
    if (error != ERROR_SUCCESS) {
        s.discard();
        return system_message(error);
    }
    s.file.close();
    return "";
}

}  // namespace zuvediv
