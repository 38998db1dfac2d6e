#include "support/temp_folder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempFolder::TempFolder(const std::wstring& prefix) {
    const std::wstring stem = L"vivevav-" + prefix + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    for (unsigned attempt = 0; attempt < 1000 && m_path.empty(); ++attempt) {
        const fs::path folder = fs::temp_directory_path() / (stem + std::to_wstring(attempt));
        if (fs::create_directory(folder)) m_path = folder.wstring();
    }
    if (m_path.empty()) throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

void MakeFile(const std::wstring& path) {
    fs::create_directories(fs::path(path).parent_path());
    if (!std::ofstream(fs::path(path))) throw std::runtime_error("cannot create a test file");
}
