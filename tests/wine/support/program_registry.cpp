#include "support/program_registry.h"

#include <algorithm>
#include <stdexcept>

namespace program_registry {
namespace {
const std::wstring kProgramKey = L"Software\\Rudedode\\Vivevav";

std::wstring KeyPath(const std::wstring& section) {
    return section.empty() ? kProgramKey : kProgramKey + L"\\" + section;
}

void WriteRaw(const std::wstring& section, const std::wstring& name, DWORD type, const void* data, size_t size) {
    if (RegSetKeyValueW(HKEY_CURRENT_USER, KeyPath(section).c_str(), name.c_str(), type, data,
                        static_cast<DWORD>(size)) != ERROR_SUCCESS)
        throw std::runtime_error("cannot write the test's registry value");
}

void Collect(const std::wstring& section, Snapshot& out) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    wchar_t name[256];
    std::vector<uint8_t> data(65536);
    for (DWORD i = 0;; ++i) {
        DWORD length = 256, size = static_cast<DWORD>(data.size());
        if (RegEnumValueW(key, i, name, &length, nullptr, nullptr, data.data(), &size) != ERROR_SUCCESS) break;
        out[section + L"\\" + name].assign(data.begin(), data.begin() + size);
    }
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        Collect(section.empty() ? std::wstring(name) : section + L"\\" + name, out);
    }
    RegCloseKey(key);
}
}  // namespace

void Clear() { RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey.c_str()); }

std::optional<std::vector<uint8_t>> Read(const std::wstring& section, const std::wstring& name) {
    std::vector<uint8_t> bytes(65536);
    DWORD size = static_cast<DWORD>(bytes.size());
    if (RegGetValueW(HKEY_CURRENT_USER, KeyPath(section).c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, nullptr,
                     bytes.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    bytes.resize(size);
    return bytes;
}

std::optional<DWORD> ReadInt(const std::wstring& section, const std::wstring& name) {
    DWORD value = 0, size = sizeof value;
    return RegGetValueW(HKEY_CURRENT_USER, KeyPath(section).c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr, &value,
                        &size) == ERROR_SUCCESS ? std::optional(value) : std::nullopt;
}

std::optional<std::wstring> ReadString(const std::wstring& section, const std::wstring& name) {
    const auto bytes = Read(section, name);
    if (!bytes) return std::nullopt;
    const std::wstring text(reinterpret_cast<const wchar_t*>(bytes->data()), bytes->size() / sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

void Write(const std::wstring& section, const std::wstring& name, DWORD value) {
    WriteRaw(section, name, REG_DWORD, &value, sizeof value);
}

void Write(const std::wstring& section, const std::wstring& name, const std::wstring& value) {
    WriteRaw(section, name, REG_SZ, value.c_str(), (value.size() + 1) * sizeof(wchar_t));
}

void Write(const std::wstring& section, const std::wstring& name, const std::vector<uint8_t>& bytes) {
    WriteRaw(section, name, REG_BINARY, bytes.data(), bytes.size());
}

Snapshot TakeSnapshot() {
    Snapshot snapshot;
    Collect(L"", snapshot);
    return snapshot;
}

bool HoldsText(const Snapshot& snapshot, const std::wstring& text) {
    const auto* begin = reinterpret_cast<const uint8_t*>(text.data());
    const auto* end = begin + text.size() * sizeof(wchar_t);
    return std::any_of(snapshot.begin(), snapshot.end(), [&](const auto& value) {
        return std::search(value.second.begin(), value.second.end(), begin, end) != value.second.end();
    });
}
}  // namespace program_registry
