#pragma once
// A profile held in memory, with value names compared without regard to
// case as the registry compares them. Stores raw typed values so that tests
// can plant values of the wrong type.
#include <algorithm>
#include <cwctype>
#include <map>
#include <variant>

#include "winlayer/profile.h"

class MemoryProfile final : public Profile {
public:
    using Value = std::variant<uint32_t, std::wstring, std::vector<uint8_t>>;

    uint32_t GetInt(const std::wstring& s, const std::wstring& n, uint32_t d) const override {
        const auto* v = Find<uint32_t>(s, n);
        return v ? *v : d;
    }
    std::wstring GetString(const std::wstring& s, const std::wstring& n, const std::wstring& d) const override {
        const auto* v = Find<std::wstring>(s, n);
        return v ? *v : d;
    }
    std::optional<std::vector<uint8_t>> GetBinary(const std::wstring& s, const std::wstring& n) const override {
        const auto* v = Find<std::vector<uint8_t>>(s, n);
        return v ? std::optional(*v) : std::nullopt;
    }
    void WriteInt(const std::wstring& s, const std::wstring& n, uint32_t value) override { Put(s, n, value); }
    void WriteString(const std::wstring& s, const std::wstring& n, const std::wstring& value) override {
        Put(s, n, value);
    }
    void WriteBinary(const std::wstring& s, const std::wstring& n, const std::vector<uint8_t>& b) override {
        Put(s, n, b);
    }

    void Put(const std::wstring& s, const std::wstring& n, Value value) {
        m_values[Key(s, n)] = std::move(value);
        m_writes.push_back(Key(s, n));
    }
    // "section\name" of every write, lower case, in order.
    const std::vector<std::wstring>& Writes() const { return m_writes; }

private:
    template <typename T>
    const T* Find(const std::wstring& s, const std::wstring& n) const {
        const auto it = m_values.find(Key(s, n));
        return it == m_values.end() ? nullptr : std::get_if<T>(&it->second);
    }
    static std::wstring Key(const std::wstring& s, const std::wstring& n) {
        std::wstring key = s + L"\\" + n;
        std::transform(key.begin(), key.end(), key.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
        return key;
    }
    std::map<std::wstring, Value> m_values;
    std::vector<std::wstring> m_writes;
};
