#include "winlayer/app_profile.h"

#include <utility>

namespace {
class DefaultsOnlyProfile final : public Profile {
public:
    uint32_t GetInt(const std::wstring&, const std::wstring&, uint32_t defaultValue) const override { return defaultValue; }
    std::wstring GetString(const std::wstring&, const std::wstring&, const std::wstring& defaultValue) const override {
        return defaultValue;
    }
    std::optional<std::vector<uint8_t>> GetBinary(const std::wstring&, const std::wstring&) const override {
        return std::nullopt;
    }
    void WriteInt(const std::wstring&, const std::wstring&, uint32_t) override {}
    void WriteString(const std::wstring&, const std::wstring&, const std::wstring&) override {}
    void WriteBinary(const std::wstring&, const std::wstring&, const std::vector<uint8_t>&) override {}
};

DefaultsOnlyProfile g_noProfile;
Profile* g_appProfile = &g_noProfile;
std::wstring g_positionSection;
}  // namespace

Profile& AppProfile() { return *g_appProfile; }
const std::wstring& AppPositionSection() { return g_positionSection; }

void SetAppProfile(Profile& profile, std::wstring positionSection) {
    g_appProfile = &profile;
    g_positionSection = std::move(positionSection);
}

void ClearAppProfile() {
    g_appProfile = &g_noProfile;
    g_positionSection.clear();
}
