#pragma once
#include "winlayer/profile.h"

// Profile stored under HKEY_CURRENT_USER\Software\<company>\<application>\<section>.
class RegistryProfile final : public Profile {
public:
    RegistryProfile(std::wstring company, std::wstring application);

    uint32_t GetInt(const std::wstring& section, const std::wstring& name,
                    uint32_t defaultValue) const override;
    std::wstring GetString(const std::wstring& section, const std::wstring& name,
                           const std::wstring& defaultValue) const override;
    std::optional<std::vector<uint8_t>> GetBinary(const std::wstring& section,
                                                  const std::wstring& name) const override;
    void WriteInt(const std::wstring& section, const std::wstring& name, uint32_t value) override;
    void WriteString(const std::wstring& section, const std::wstring& name,
                     const std::wstring& value) override;
    void WriteBinary(const std::wstring& section, const std::wstring& name,
                     const std::vector<uint8_t>& bytes) override;

private:
    // Raw bytes of a value of exactly the expected registry type.
    std::optional<std::vector<uint8_t>> Read(const std::wstring& section, const std::wstring& name,
                                             unsigned long expectedType) const;
    void Write(const std::wstring& section, const std::wstring& name, unsigned long type,
               const void* data, size_t size);

    std::wstring m_root;
};
