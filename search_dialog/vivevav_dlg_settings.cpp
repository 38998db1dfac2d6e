// Loading the stored settings into the controls, and saving them on close.
#include <utility>

#include "resources/resource.h"
#include "search_dialog/control_rules.h"
#include "search_dialog/search_settings.h"
#include "search_dialog/vivevav_dlg.h"
#include "winlayer/app_profile.h"

namespace {
// Which control shows each stored check box.
const std::pair<bool SearchSwitches::*, int> kSwitchControls[] = {
    {&SearchSwitches::header, IDC_CSV_HEADER},
    {&SearchSwitches::fieldFolder, IDC_CSV_FOLDER},
    {&SearchSwitches::fieldFile, IDC_CSV_FILE},
    {&SearchSwitches::fieldSearchString, IDC_CSV_SEARCH_STRING},
    {&SearchSwitches::progress, IDC_PROGRESS},
    {&SearchSwitches::createImage, IDC_CREATE_IMAGE},
    {&SearchSwitches::closeCommandPrompt, IDC_CLOSE_PROMPT},
};
}  // namespace

void CVivevavDlg::ApplyStoredSettings() {
    const SearchSettings stored = LoadSearchSettings(AppProfile());

    m_rememberedSubfolder = stored.lastSubfolder;
    SetCheck(IDC_RADIO_FILE, !stored.folderMode);
    SetCheck(IDC_RADIO_FOLDER, stored.folderMode);
    if (stored.folderMode) EnterFolderMode(); else EnterFileMode();

    SetDlgItemTextW(m_hwnd, IDC_INPUT_PATH, stored.inputName.c_str());
    const int inputLength = static_cast<int>(stored.inputName.size());
    m_inputPath.SelectAndScroll(inputLength, inputLength);

    SetDlgItemTextW(m_hwnd, IDC_OUTPUT_FOLDER, stored.outputFolderName.c_str());
    const int outputLength = static_cast<int>(stored.outputFolderName.size());
    m_outputFolder.SelectAndScroll(outputLength, outputLength);
    Enable(IDC_CREATE_IMAGE, IsCreateImageAllowed(stored.outputFolderName.size()));

    m_opacity = stored.opacity;
    m_frameWidth = stored.frameWidth;
    m_frameColour = stored.frameColourRgb;

    // Setting these texts raises their change rules; the stored check states below win.
    SetDlgItemTextW(m_hwnd, IDC_CSV_FILE_NAME, stored.csvFileName.c_str());
    for (const auto& [member, control] : kSwitchControls) SetCheck(control, stored.switches.*member);

    Enable(IDC_IMAGE_FORMAT, stored.switches.createImage);
    FillImageFormats();
    // An index that names no item leaves the list without a selection.
    SendMessageW(Item(IDC_IMAGE_FORMAT), CB_SETCURSEL, static_cast<WPARAM>(stored.imageFormat), 0);
}

SearchSwitches CVivevavDlg::CheckedSwitches() const {
    SearchSwitches checked;
    for (const auto& [member, control] : kSwitchControls) checked.*member = IsChecked(control);
    return checked;
}

void CVivevavDlg::SaveSettings() {
    SearchDialogState state;
    state.inputText = Text(IDC_INPUT_PATH);
    state.fileModeChecked = IsChecked(IDC_RADIO_FILE);
    state.folderModeChecked = IsChecked(IDC_RADIO_FOLDER);
    state.subfolderChecked = IsChecked(IDC_SUBFOLDERS);
    state.rememberedSubfolder = m_rememberedSubfolder;
    state.outputFolderText = Text(IDC_OUTPUT_FOLDER);
    state.csvFileNameText = Text(IDC_CSV_FILE_NAME);
    state.switches = CheckedSwitches();
    state.imageFormat = static_cast<int32_t>(SendMessageW(Item(IDC_IMAGE_FORMAT), CB_GETCURSEL, 0, 0));
    SaveSearchSettings(AppProfile(), state);
}
