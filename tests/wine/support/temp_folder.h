#pragma once
#include <string>

#include "support/read_file.h"

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
