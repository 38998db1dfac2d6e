#pragma once
// The image formats the search can write. A format's index is its place in
// this table: the list box shows the entries in this order, the stored
// "ImageFormat" value is that index, and the search run passes the entry's
// tool name as "-F name".
#include <cstddef>
#include <iterator>

struct ImageFormat {
    const wchar_t* listText;
    const wchar_t* toolName;
};

inline constexpr ImageFormat kImageFormats[] = {
    {L"PNG形式", L"png"},
    {L"JPEG形式", L"jpeg"},
    {L"TIFF形式", L"tiff"},
};

// The format at a list index, or nothing for an index that names none
// (-1 when the list has no selection).
inline const ImageFormat* ImageFormatAt(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= std::size(kImageFormats)) return nullptr;
    return &kImageFormats[index];
}
