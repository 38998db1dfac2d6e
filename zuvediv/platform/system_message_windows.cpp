#include "platform/system_message_windows.h"

#include "platform/wide_text_windows.h"

namespace zuvediv {

std::string system_message(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text ? text : L"", length);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ')) message.pop_back();
    if (message.empty()) return "エラー " + std::to_string(code);
    return utf8_from_wide(message);
}

}  // namespace zuvediv
