#pragma once
// A profile held in memory, with value names compared without regard to
// case as the registry compares them. Stores raw typed values so that tests
// can plant values of the wrong type.
#include <algorithm>
#include <cstring>
#include <cwctype>
#include <map>
#include <variant>

#include "winlayer/profile.h"

class MemoryProfile final : public Profile {
public:
    using Value = std::variant<uint32_t, std::wstring, std::vector<uint8_t>>;

    uint32_t GetInt(const std::wstring& s, const std::wstring& n, uint32_t d) const override {
        const Value* v = Find(s, n);
        return v && std::holds_alternative<uint32_t>(*v) ? std::get<uint32_t>(*v) : d;
    }
    std::wstring GetString(const std::wstring& s, const std::wstring& n, const std::wstring& d) const override {
        const Value* v = Find(s, n);
        return v && std::holds_alternative<std::wstring>(*v) ? std::get<std::wstring>(*v) : d;
    }
    std::optional<std::vector<uint8_t>> GetBinary(const std::wstring& s, const std::wstring& n) const override {
        const Value* v = Find(s, n);
        if (v && std::holds_alternative<std::vector<uint8_t>>(*v)) return std::get<std::vector<uint8_t>>(*v);
        return std::nullopt;
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
    const Value* Find(const std::wstring& s, const std::wstring& n) const {
        const auto it = m_values.find(Key(s, n));
        return it == m_values.end() ? nullptr : &it->second;
    }
    bool Has(const std::wstring& s, const std::wstring& n) const { return Find(s, n) != nullptr; }
    // "section\name" of every write, lower case, in order.
    const std::vector<std::wstring>& Writes() const { return m_writes; }

private:
    static std::wstring Key(const std::wstring& s, const std::wstring& n) {
        std::wstring key = s + L"\\" + n;
        std::transform(key.begin(), key.end(), key.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
        return key;
    }
    std::map<std::wstring, Value> m_values;
    std::vector<std::wstring> m_writes;
};
