#pragma once
// A profile held in memory. Value names compare without regard to case, as
// the registry compares them, and a value of another type reads as missing,
// so tests can plant values of the wrong type.
#include <algorithm>
#include <cwctype>
#include <map>
#include <variant>

#include "winlayer/profile.h"

class MemoryProfile final : public Profile {
public:
    using Value = std::variant<uint32_t, std::wstring, std::vector<uint8_t>>;
    uint32_t GetInt(const std::wstring& s, const std::wstring& n, uint32_t d) const override { return Get(s, n, d); }
    std::wstring GetString(const std::wstring& s, const std::wstring& n, const std::wstring& d) const override {
        return Get(s, n, d);
    }
    std::optional<std::vector<uint8_t>> GetBinary(const std::wstring& s, const std::wstring& n) const override {
        const auto it = m_values.find(Key(s, n));
        const auto* bytes = it == m_values.end() ? nullptr : std::get_if<std::vector<uint8_t>>(&it->second);
        return bytes ? std::optional(*bytes) : std::nullopt;
    }
    void WriteInt(const std::wstring& s, const std::wstring& n, uint32_t v) override { Put(s, n, v); }
    void WriteString(const std::wstring& s, const std::wstring& n, const std::wstring& v) override { Put(s, n, v); }
    void WriteBinary(const std::wstring& s, const std::wstring& n, const std::vector<uint8_t>& v) override { Put(s, n, v); }
    void Put(const std::wstring& s, const std::wstring& n, Value value) {
        m_values[Key(s, n)] = std::move(value);
        writes.push_back(Key(s, n));
    }
    std::vector<std::wstring> writes;  // "section\name" of every write, lower case, in order

private:
    template <typename T>
    T Get(const std::wstring& s, const std::wstring& n, const T& fallback) const {
        const auto it = m_values.find(Key(s, n));
        const T* found = it == m_values.end() ? nullptr : std::get_if<T>(&it->second);
        return found ? *found : fallback;
    }
    static std::wstring Key(const std::wstring& s, const std::wstring& n) {
        std::wstring key = s + L"\\" + n;
        std::transform(key.begin(), key.end(), key.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
        return key;
    }
    std::map<std::wstring, Value> m_values;
};
