#pragma once
#include <string>


// A fresh folder under the temporary directory, and its removal with all it holds.
std::wstring MakeTempFolder(const std::wstring& prefix);
void RemoveTempFolder(const std::wstring& folder);
// Creates an empty file (and the folders on its way).
void MakeFile(const std::wstring& path);
void MakeFolder(const std::wstring& path);
// Copies a folder with everything below it.
void CopyFolder(const std::wstring& from, const std::wstring& to);
// The whole content of a file, as bytes.
std::string ReadFileBytes(const std::wstring& path);
