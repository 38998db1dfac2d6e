#pragma once
// How the started program receives a command line handed to cmd.exe: a
// model of cmd.exe's /C and /K, then of the CommandLineToArgvW splitting.
#include <algorithm>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

using Args = std::vector<std::wstring>;

// cmd.exe /C or /K: strips the first and last quote, expands %NAME% (also
// %NAME:...%) even inside quotes unless the name holds a quote, and acts on
// operators outside quotes. Any expansion or operator is a failure.
inline std::optional<std::wstring> CmdModel(const std::wstring& line) {
    if ((line.rfind(L"cmd.exe /C \"", 0) != 0 && line.rfind(L"cmd.exe /K \"", 0) != 0) || line.back() != L'"')
        return std::nullopt;
    const std::wstring tail = line.substr(12, line.size() - 13);
    for (auto at = tail.find(L'%'), end = at; at != std::wstring::npos; at = tail.find(L'%', at + 1)) {
        if ((end = tail.find(L'%', at + 1)) == std::wstring::npos) break;
        const std::wstring name = tail.substr(at + 1, std::min(end, tail.find(L':', at + 1)) - at - 1);
        if (!name.empty() && name.find(L'"') == std::wstring::npos) return std::nullopt;
    }
    bool quoted = false;
    for (wchar_t c : tail)
        if (c == L'"') quoted = !quoted;
        else if (!quoted && std::wcschr(L"&|<>()^!\r\n", c)) return std::nullopt;
    return tail;
}

// Splits by the CommandLineToArgvW rules; quote runs that its variants read
// differently ("" inside quotes, three in a row) are a failure.
inline std::optional<Args> SplitArguments(const std::wstring& line) {
    const auto programEnd = line.find(L'"', 1);
    if (line.empty() || line[0] != L'"' || programEnd == std::wstring::npos) return std::nullopt;
    Args args{line.substr(1, programEnd - 1)};
    bool quoted = false, inArg = false;
    std::wstring current;
    for (std::size_t i = programEnd + 1, n; i < line.size();) {
        const wchar_t c = line[i];
        if ((c == L' ' || c == L'\t') && !quoted) {
            if (inArg) args.push_back(current);
            current.clear();
            inArg = false;
            ++i;
            continue;
        }
        inArg = true;
        for (n = 0; i < line.size() && line[i] == c && (c == L'\\' || c == L'"'); ++n) ++i;
        if (c == L'\\' && i < line.size() && line[i] == L'"') {
            current.append(n / 2, L'\\');
            if (n % 2) current += L'"', ++i;
        } else if (c == L'\\') {
            current.append(n, L'\\');
        } else if (c == L'"') {
            if (n >= 3 || (n == 2 && quoted)) return std::nullopt;
            if (n == 1) quoted = !quoted;
        } else {
            current += c, ++i;
        }
    }
    if (inArg) args.push_back(current);
    return args;
}

inline Args ArgumentsSeen(const std::wstring& line) {
    const auto tail = CmdModel(line);
    if (!tail) return {L"<cmd.exe would expand or run something>"};
    return SplitArguments(*tail).value_or(Args{L"<ambiguous quotes>"});
}
