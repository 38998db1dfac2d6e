#pragma once
#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The program's registry profile, read and written directly.
namespace program_registry {
inline const std::wstring kSettings = L"Settings";
inline const std::wstring kCsv = L"Settings\\CSV";
inline const std::wstring kPlacement = L"Settings\\WindowPlacement";

void Clear();
// A value's bytes, whatever its type; none if it is missing.
std::optional<std::vector<uint8_t>> Read(const std::wstring& section, const std::wstring& name);
std::optional<DWORD> ReadInt(const std::wstring& section, const std::wstring& name);
std::optional<std::wstring> ReadString(const std::wstring& section, const std::wstring& name);
void Write(const std::wstring& section, const std::wstring& name, DWORD value);
void Write(const std::wstring& section, const std::wstring& name, const std::wstring& value);
void Write(const std::wstring& section, const std::wstring& name, const std::vector<uint8_t>& bytes);

// Every value under the program's key, by "section\name".
using Snapshot = std::map<std::wstring, std::vector<uint8_t>>;
Snapshot TakeSnapshot();
// Whether any stored value holds this text (as UTF-16).
bool HoldsText(const Snapshot& snapshot, const std::wstring& text);
}  // namespace program_registry
