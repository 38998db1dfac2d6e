#pragma once
// Field texts that a careless command line would let cmd.exe expand or run,
// or that split into the wrong arguments. Both the model of cmd.exe and the
// real one under Wine are fed these. VIVEVAV_SECRET is set while they run,
// so an expansion shows as a changed argument.
inline const wchar_t* const kHostileFields[] = {
    L"a\" & Zuvediv.exe injected & \"b", L"\" & Zuvediv.exe x & \"", L"\"", L"\"\"", L"\"\"\"", L"a\"b c\"d",
    L"&|<>^()%!", L"%VIVEVAV_SECRET%", L"1%VIVEVAV_SECRET:~0,3%", L"%%", L"%\"%", L"D:\\", L"C:\\a b\\\\",
    L"x\\\\\"y", L"\\\\server\\share\\", L"\\", L"日本語 \"テキスト\"", L" ", L"a\tb", L"^\"^ | Zuvediv.exe piped",
    L"a\" (b) \"c", L"\"%VIVEVAV_SECRET%\" & \"%BAR%\"", L"a\\\" & b", L"C:\\R&D (copy)",
};
