#include "search_dialog/search_settings.h"

#include "option_dialogs/image_options.h"

using profile_section::kCsv;
using profile_section::kSettings;

namespace {
bool ReadCheck(const Profile& p, const std::wstring& section, const wchar_t* name) {
    return p.GetInt(section, name, 0) != 0;
}
void WriteCheck(Profile& p, const std::wstring& section, const wchar_t* name, bool checked) {
    p.WriteInt(section, name, checked ? 1 : 0);
}
}  // namespace

SearchSettings LoadSearchSettings(const Profile& p) {
    SearchSettings s;
    s.lastSubfolder = static_cast<int32_t>(p.GetInt(kSettings, L"LastSubfolder", 0));
    s.folderMode = p.GetInt(kSettings, L"FileOrFolder", 99) == 1;
    s.inputName = p.GetString(kSettings, L"InputName", L"");
    s.outputFolderName = p.GetString(kSettings, L"OutputFolderName", L"");
    s.opacity = LoadOpacity(p);
    s.frameWidth = LoadFrameWidthUnsigned(p);
    s.frameColourRgb = ColourRefToRgb(LoadFrameColourRef(p));
    s.csvFileName = p.GetString(kCsv, L"OutputFile", L"");
    s.switches.header = ReadCheck(p, kCsv, L"Header");
    s.switches.fieldFolder = ReadCheck(p, kCsv, L"FieldFolder");
    s.switches.fieldFile = ReadCheck(p, kCsv, L"FieldFile");
    s.switches.fieldSearchString = ReadCheck(p, kCsv, L"FieldSString");
    s.switches.progress = ReadCheck(p, kSettings, L"Progress");
    s.switches.createImage = ReadCheck(p, kSettings, L"CreateImage");
    s.imageFormat = static_cast<int32_t>(p.GetInt(kSettings, L"ImageFormat", 0));
    s.switches.closeCommandPrompt = ReadCheck(p, kSettings, L"CloseCommandPrompt");
    return s;
}

void SaveSearchSettings(Profile& p, const SearchDialogState& s) {
    // One stored input path serves both modes; a path of 0 or 1 character is not kept.
    const bool keepInput = s.inputText.size() > 1 && (s.fileModeChecked || s.folderModeChecked);
    if (keepInput && s.fileModeChecked) {
        p.WriteInt(kSettings, L"LastSubfolder", static_cast<uint32_t>(s.rememberedSubfolder));
        p.WriteInt(kSettings, L"FileOrFolder", 0);
        p.WriteString(kSettings, L"InputName", s.inputText);
    } else if (keepInput) {
        WriteCheck(p, kSettings, L"LastSubfolder", s.subfolderChecked);
        p.WriteInt(kSettings, L"FileOrFolder", 1);
        p.WriteString(kSettings, L"InputName", s.inputText);
    } else {
        p.WriteInt(kSettings, L"FileOrFolder", 0);
        p.WriteString(kSettings, L"InputName", L"");
        p.WriteInt(kSettings, L"LastSubfolder", 0);
    }
    // An emptied field keeps the previous value.
    if (!s.outputFolderText.empty()) p.WriteString(kSettings, L"OutputFolderName", s.outputFolderText);
    if (!s.csvFileNameText.empty()) p.WriteString(kCsv, L"OutputFile", s.csvFileNameText);
    WriteCheck(p, kCsv, L"Header", s.switches.header);
    WriteCheck(p, kCsv, L"FieldFolder", s.switches.fieldFolder);
    WriteCheck(p, kCsv, L"FieldFile", s.switches.fieldFile);
    WriteCheck(p, kCsv, L"FieldSString", s.switches.fieldSearchString);
    WriteCheck(p, kSettings, L"Progress", s.switches.progress);
    WriteCheck(p, kSettings, L"CreateImage", s.switches.createImage);
    p.WriteInt(kSettings, L"ImageFormat", static_cast<uint32_t>(s.imageFormat));
    WriteCheck(p, kSettings, L"CloseCommandPrompt", s.switches.closeCommandPrompt);
}
