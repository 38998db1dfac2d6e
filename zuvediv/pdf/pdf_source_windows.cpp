#include "pdf/pdf_source.h"

#include <windows.h>

#include <climits>

#include "platform/long_path_windows.h"
#include "platform/system_message_windows.h"
#include "platform/unique_handle_windows.h"
#include "platform/wide_text_windows.h"

namespace zuvediv {

// The file's bytes, mapped read-only; poppler takes at most INT_MAX bytes of
// memory, so a larger file is named for poppler to open (poppler 22.12
// opens a UTF-8 name through CreateFileW, so the extended form serves).
struct PdfSource::File {
    const char* view = nullptr;
    size_t size = 0;
    std::string too_large_to_map;
    ~File() {
        if (view) UnmapViewOfFile(view);
    }
};

namespace {

std::string read_head(HANDLE file, size_t head_bytes, std::string& head) {
    head.resize(head_bytes);
    size_t got = 0;
    while (got < head.size()) {
        DWORD n = 0;
        if (!ReadFile(file, &head[got], static_cast<DWORD>(head.size() - got), &n, nullptr)) return system_message(GetLastError());
        if (n == 0) break;
        got += n;
    }
    head.resize(got);
    return "";
}

const char* map_whole(HANDLE file) {
    const UniqueHandle mapping(CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping) return nullptr;
    return static_cast<const char*>(MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0));  // the view keeps the mapping
}

}  // namespace

std::string PdfSource::open(const std::string& path, size_t head_bytes) {
    const std::wstring name = extended_path(path);
    // Others may go on reading, writing, renaming or deleting it meanwhile, as on Linux.
    const UniqueHandle file(CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return system_message(GetLastError());
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return system_message(GetLastError());
    std::string error = read_head(file.get(), head_bytes, head_);
    if (!error.empty()) return error;
    auto opened = std::make_shared<File>();
    opened->size = static_cast<size_t>(size.QuadPart);
    if (size.QuadPart > INT_MAX) {
        opened->too_large_to_map = utf8_from_wide(name);
    } else if (size.QuadPart > 0) {
        opened->view = map_whole(file.get());
        if (!opened->view) return system_message(GetLastError());
    }
    file_ = std::move(opened);
    return "";
}

PdfDocument PdfSource::load(const std::string& password) const {
    if (!file_->too_large_to_map.empty())
        return PdfDocument(poppler::document::load_from_file(file_->too_large_to_map, password, password));
    if (!file_->view) return PdfDocument();  // empty: nothing to read
    return PdfDocument(poppler::document::load_from_raw_data(file_->view, static_cast<int>(file_->size), password, password),
                       DocumentRelease{file_});
}

}  // namespace zuvediv
