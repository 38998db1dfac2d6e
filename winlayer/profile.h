#pragma once
// Typed access to the application's per-user settings. No windows.h here:
// the settings logic runs against this interface natively in tests and
// against the registry in the program.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Profile {
public:
    virtual ~Profile() = default;

    // A value that is missing, of the wrong type or size, or unreadable
    // yields the default (or nothing, for binary values).
    virtual uint32_t GetInt(const std::wstring& section, const std::wstring& name,
                            uint32_t defaultValue) const = 0;
    virtual std::wstring GetString(const std::wstring& section, const std::wstring& name,
                                   const std::wstring& defaultValue) const = 0;
    virtual std::optional<std::vector<uint8_t>> GetBinary(const std::wstring& section,
                                                          const std::wstring& name) const = 0;

    // Failures are not reported: a failed write leaves the previous value.
    virtual void WriteInt(const std::wstring& section, const std::wstring& name, uint32_t value) = 0;
    virtual void WriteString(const std::wstring& section, const std::wstring& name,
                             const std::wstring& value) = 0;
    virtual void WriteBinary(const std::wstring& section, const std::wstring& name,
                             const std::vector<uint8_t>& bytes) = 0;
};
