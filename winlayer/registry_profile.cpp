#include "winlayer/registry_profile.h"

#include <windows.h>

#include <cstring>
#include <utility>

namespace {
// Closes a registry key on every path.
struct KeyHolder {
    HKEY key = nullptr;
    ~KeyHolder() {
        if (key) RegCloseKey(key);
    }
};
}  // namespace

RegistryProfile::RegistryProfile(std::wstring company, std::wstring application)
    : m_root(L"Software\\" + std::move(company) + L"\\" + std::move(application)) {}

std::optional<std::vector<uint8_t>> RegistryProfile::Read(const std::wstring& section,
                                                          const std::wstring& name,
                                                          unsigned long expectedType) const {
    KeyHolder holder;
    const std::wstring path = m_root + L"\\" + section;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &holder.key) !=
        ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(holder.key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != expectedType)
        return std::nullopt;
    std::vector<uint8_t> bytes(size);
    // The value may change between the two calls; a second failure counts as unreadable.
    if (RegQueryValueExW(holder.key, name.c_str(), nullptr, &type, bytes.empty() ? nullptr : bytes.data(),
                         &size) != ERROR_SUCCESS ||
        type != expectedType)
        return std::nullopt;
    bytes.resize(size);
    return bytes;
}

void RegistryProfile::Write(const std::wstring& section, const std::wstring& name, unsigned long type,
                            const void* data, size_t size) {
    KeyHolder holder;
    const std::wstring path = m_root + L"\\" + section;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &holder.key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(holder.key, name.c_str(), 0, type, static_cast<const BYTE*>(data),
                   static_cast<DWORD>(size));
}

uint32_t RegistryProfile::GetInt(const std::wstring& section, const std::wstring& name,
                                 uint32_t defaultValue) const {
    const auto bytes = Read(section, name, REG_DWORD);
    if (!bytes || bytes->size() != sizeof(uint32_t)) return defaultValue;
    uint32_t value = 0;
    std::memcpy(&value, bytes->data(), sizeof value);
    return value;
}

std::wstring RegistryProfile::GetString(const std::wstring& section, const std::wstring& name,
                                        const std::wstring& defaultValue) const {
    const auto bytes = Read(section, name, REG_SZ);
    if (!bytes || bytes->size() % sizeof(wchar_t) != 0) return defaultValue;
    std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
    if (!text.empty()) std::memcpy(&text[0], bytes->data(), bytes->size());
    // Stored strings may or may not carry their terminator.
    const auto end = text.find(L'\0');
    if (end != std::wstring::npos) text.resize(end);
    return text;
}

std::optional<std::vector<uint8_t>> RegistryProfile::GetBinary(const std::wstring& section,
                                                               const std::wstring& name) const {
    return Read(section, name, REG_BINARY);
}

void RegistryProfile::WriteInt(const std::wstring& section, const std::wstring& name, uint32_t value) {
    const DWORD data = value;
    Write(section, name, REG_DWORD, &data, sizeof data);
}

void RegistryProfile::WriteString(const std::wstring& section, const std::wstring& name,
                                  const std::wstring& value) {
    Write(section, name, REG_SZ, value.c_str(), (value.size() + 1) * sizeof(wchar_t));
}

void RegistryProfile::WriteBinary(const std::wstring& section, const std::wstring& name,
                                  const std::vector<uint8_t>& bytes) {
    Write(section, name, REG_BINARY, bytes.data(), bytes.size());
}
