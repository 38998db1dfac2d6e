#pragma once
#include <string>

// A fresh folder under the temporary directory, removed with everything in
// it when the object goes.
class TempFolder {
public:
    explicit TempFolder(const std::wstring& prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
};

// Creates an empty file and the folders on its way.
void MakeFile(const std::wstring& path);
// The whole content of a file; empty if it cannot be read.
std::string ReadFileBytes(const std::wstring& path);
