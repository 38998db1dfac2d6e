#include "winlayer/dialog_init.h"

#include <windows.h>

#include "common/little_endian.h"

std::wstring DialogInitProperty(const char* data, std::size_t size, const std::wstring& key) {
    if (!data) return {};
    const std::string text(data, size);
    const std::string narrowKey(key.begin(), key.end());  // keys are ASCII
    const std::string open = "<" + narrowKey + ">";
    const std::string close = "</" + narrowKey + ">";
    const auto start = text.find(open);
    if (start == std::string::npos) return {};
    const auto valueStart = start + open.size();
    const auto end = text.find(close, valueStart);
    if (end == std::string::npos) return {};
    const std::string value = text.substr(valueStart, end - valueStart);
    return std::wstring(value.begin(), value.end());
}

void ApplyDialogInitData(HWND dialog, UINT templateId) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(kDialogInitResourceType));
    if (!resource) return;
    HGLOBAL loaded = LoadResource(module, resource);
    const auto* bytes = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
    const DWORD total = SizeofResource(module, resource);
    if (!bytes) return;
    DWORD at = 0;
    // Each entry: WORD id, WORD message, DWORD length, bytes; a zero id ends the list.
    while (at + 2 <= total) {
        const auto id = static_cast<WORD>(ReadLittleEndian(bytes + at, 2));
        if (id == 0 || at + 8 > total) break;
        const auto message = static_cast<WORD>(ReadLittleEndian(bytes + at + 2, 2));
        const DWORD length = ReadLittleEndian(bytes + at + 4, 4);
        at += 8;
        if (length > total - at) break;
        SendDlgItemMessageW(dialog, id, message, length, reinterpret_cast<LPARAM>(bytes + at));
        at += length;
    }
}
