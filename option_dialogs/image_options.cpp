#include "option_dialogs/image_options.h"

#include "option_dialogs/profile_sections.h"

using profile_section::kSettings;
using namespace search_contract;

namespace {
const wchar_t kOpacityName[] = L"AlphaValue";
const wchar_t kWidthName[] = L"WidthValue";
const wchar_t kColourName[] = L"ColorRefValue";
constexpr uint32_t kWhite = kFrameColourMax;  // in both forms

int32_t ClampSigned(uint32_t stored, int32_t minimum, int32_t maximum) {
    const auto value = static_cast<int32_t>(stored);
    if (value < minimum) return minimum;
    if (value > maximum) return maximum;
    return value;
}
}  // namespace

int32_t LoadOpacity(const Profile& p) {
    return ClampSigned(p.GetInt(kSettings, kOpacityName, static_cast<uint32_t>(kOpacityDefault)), kOpacityMin, kOpacityMax);
}

void SaveOpacity(Profile& p, int32_t opacity) { p.WriteInt(kSettings, kOpacityName, static_cast<uint32_t>(opacity)); }

uint32_t LoadFrameWidthUnsigned(const Profile& p) {
    const uint32_t stored = p.GetInt(kSettings, kWidthName, static_cast<uint32_t>(kFrameWidthDefault));
    if (stored == 0) return kFrameWidthMin;
    if (stored > static_cast<uint32_t>(kFrameWidthMax)) return kFrameWidthMax;
    return stored;
}

int32_t LoadFrameWidthSigned(const Profile& p) {
    return ClampSigned(p.GetInt(kSettings, kWidthName, static_cast<uint32_t>(kFrameWidthDefault)), kFrameWidthMin,
                       kFrameWidthMax);
}

uint32_t LoadFrameColourRef(const Profile& p) {
    const uint32_t stored = p.GetInt(kSettings, kColourName, kFrameColourRefDefault);
    return stored > kWhite ? kWhite : stored;
}

void SaveFrame(Profile& p, int32_t width, uint32_t colourRef) {
    p.WriteInt(kSettings, kWidthName, static_cast<uint32_t>(width));
    p.WriteInt(kSettings, kColourName, colourRef);
}
