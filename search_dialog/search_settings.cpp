#include "search_dialog/search_settings.h"

#include "option_dialogs/image_options.h"
#include "option_dialogs/profile_sections.h"

using profile_section::kCsv;
using profile_section::kSettings;

namespace {
const wchar_t kLastSubfolder[] = L"LastSubfolder";
const wchar_t kFileOrFolder[] = L"FileOrFolder";
const wchar_t kInputName[] = L"InputName";
const wchar_t kOutputFolderName[] = L"OutputFolderName";
const wchar_t kOutputFile[] = L"OutputFile";  // under Settings\CSV
const wchar_t kImageFormat[] = L"ImageFormat";
const wchar_t kCloseCommandPrompt[] = L"CloseCommandPrompt";

// The check boxes stored before the image format, in the order they are written.
struct StoredSwitch {
    const std::wstring& section;
    const wchar_t* name;
    bool SearchSwitches::*member;
};
const StoredSwitch kStoredSwitches[] = {
    {kCsv, L"Header", &SearchSwitches::header},
    {kCsv, L"FieldFolder", &SearchSwitches::fieldFolder},
    {kCsv, L"FieldFile", &SearchSwitches::fieldFile},
    {kCsv, L"FieldSString", &SearchSwitches::fieldSearchString},
    {kSettings, L"Progress", &SearchSwitches::progress},
    {kSettings, L"CreateImage", &SearchSwitches::createImage},
};

bool ReadCheck(const Profile& p, const std::wstring& section, const wchar_t* name) {
    return p.GetInt(section, name, 0) != 0;
}
void WriteCheck(Profile& p, const std::wstring& section, const wchar_t* name, bool checked) {
    p.WriteInt(section, name, checked ? 1 : 0);
}
}  // namespace

SearchSettings LoadSearchSettings(const Profile& p) {
    SearchSettings s;
    s.lastSubfolder = static_cast<int32_t>(p.GetInt(kSettings, kLastSubfolder, 0));
    s.folderMode = p.GetInt(kSettings, kFileOrFolder, 99) == 1;
    s.inputName = p.GetString(kSettings, kInputName, L"");
    s.outputFolderName = p.GetString(kSettings, kOutputFolderName, L"");
    s.opacity = LoadOpacity(p);
    s.frameWidth = LoadFrameWidthUnsigned(p);
    s.frameColourRgb = ColourRefToRgb(LoadFrameColourRef(p));
    s.csvFileName = p.GetString(kCsv, kOutputFile, L"");
    for (const StoredSwitch& stored : kStoredSwitches) s.switches.*stored.member = ReadCheck(p, stored.section, stored.name);
    s.imageFormat = static_cast<int32_t>(p.GetInt(kSettings, kImageFormat, 0));
    s.switches.closeCommandPrompt = ReadCheck(p, kSettings, kCloseCommandPrompt);
    return s;
}

void SaveSearchSettings(Profile& p, const SearchDialogState& s) {
    // One stored input path serves both modes; a path of 0 or 1 character is not kept.
    const bool keepInput = s.inputText.size() > 1 && (s.fileModeChecked || s.folderModeChecked);
    if (keepInput && s.fileModeChecked) {
        p.WriteInt(kSettings, kLastSubfolder, static_cast<uint32_t>(s.rememberedSubfolder));
        p.WriteInt(kSettings, kFileOrFolder, 0);
        p.WriteString(kSettings, kInputName, s.inputText);
    } else if (keepInput) {
        WriteCheck(p, kSettings, kLastSubfolder, s.subfolderChecked);
        p.WriteInt(kSettings, kFileOrFolder, 1);
        p.WriteString(kSettings, kInputName, s.inputText);
    } else {
        p.WriteInt(kSettings, kFileOrFolder, 0);
        p.WriteString(kSettings, kInputName, L"");
        p.WriteInt(kSettings, kLastSubfolder, 0);
    }
    // An emptied field keeps the previous value.
    if (!s.outputFolderText.empty()) p.WriteString(kSettings, kOutputFolderName, s.outputFolderText);
    if (!s.csvFileNameText.empty()) p.WriteString(kCsv, kOutputFile, s.csvFileNameText);
    for (const StoredSwitch& stored : kStoredSwitches) WriteCheck(p, stored.section, stored.name, s.switches.*stored.member);
    p.WriteInt(kSettings, kImageFormat, static_cast<uint32_t>(s.imageFormat));
    WriteCheck(p, kSettings, kCloseCommandPrompt, s.switches.closeCommandPrompt);
}
