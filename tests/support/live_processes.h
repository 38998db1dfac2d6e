#pragma once
// The processes that are alive in a /proc folder (the host's, also as Wine
// shows it at Z:\proc), by process group and command line. A zombie waits for
// the host's init, which may be slow to reap here, and counts as gone.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "support/read_file.h"

inline std::vector<int> LiveProcesses(const std::filesystem::path& proc,
                                      const std::function<bool(int group, const std::string& commandLine)>& matches) {
    std::vector<int> found;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(proc, ignored)) {
        if (entry.path().filename().string().find_first_not_of("0123456789") != std::string::npos) continue;
        const std::string stat = ReadFileBytes(entry.path() / "stat");
        const size_t afterName = stat.rfind(") ");
        char state = 0;
        int parent = 0, group = 0;
        if (afterName != std::string::npos &&
            std::sscanf(stat.c_str() + afterName + 2, "%c %d %d", &state, &parent, &group) == 3 && state != 'Z' &&
            matches(group, ReadFileBytes(entry.path() / "cmdline")))
            found.push_back(std::stoi(entry.path().filename().string()));
    }
    return found;
}
