#pragma once
// The image format list: one item for each of the tool's formats, in the
// tool's order. An item's index is its place in search_contract::kImageFormats:
// the stored "ImageFormat" value is that index, and the search run passes the
// format's name as "-F name".
#include "common/search_contract.h"

inline const wchar_t* ImageFormatListText(search_contract::ImageFormat format) {
    switch (format) {
    case search_contract::ImageFormat::png: return L"PNG形式";
    case search_contract::ImageFormat::jpeg: return L"JPEG形式";
    case search_contract::ImageFormat::tiff: return L"TIFF形式";
    }
    return L"";
}
