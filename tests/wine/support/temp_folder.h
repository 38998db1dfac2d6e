#pragma once
#include <string>

// A fresh folder under the temporary directory, and its removal with all it holds.
std::wstring MakeTempFolder(const std::wstring& prefix);
void RemoveTempFolder(const std::wstring& folder);
// Creates an empty file (and the folders on its way).
void MakeFile(const std::wstring& path);
void MakeFolder(const std::wstring& path);
