#pragma once
// The search dialog's stored settings: what is read at start, with defaults
// and clamping, and what is written when the dialog closes.
#include <cstdint>
#include <string>

#include "common/search_contract.h"
#include "search_dialog/search_switches.h"
#include "winlayer/profile.h"

struct SearchSettings {
    int32_t lastSubfolder = 0;  // 0 = no, anything else = yes
    bool folderMode = false;
    std::wstring inputName;
    std::wstring outputFolderName;
    int32_t opacity = search_contract::kOpacityDefault;
    uint32_t frameWidth = search_contract::kFrameWidthDefault;
    uint32_t frameColourRgb = search_contract::kFrameColourDefault;
    std::wstring csvFileName;
    SearchSwitches switches;
    int32_t imageFormat = 0;  // index into the format list; other values select nothing
};

SearchSettings LoadSearchSettings(const Profile& profile);

// The dialog's state at closing, as the save needs it.
struct SearchDialogState {
    std::wstring inputText;
    bool fileModeChecked = false;
    bool folderModeChecked = false;
    bool subfolderChecked = false;
    int32_t rememberedSubfolder = 0;
    std::wstring outputFolderText;
    std::wstring csvFileNameText;
    SearchSwitches switches;
    int32_t imageFormat = -1;  // -1 when nothing is selected
};

void SaveSearchSettings(Profile& profile, const SearchDialogState& state);
