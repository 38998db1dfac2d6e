// Loading the stored settings into the controls, and saving them on close.
#include "resources/resource.h"
#include "search_dialog/search_settings.h"
#include "search_dialog/vivevav_dlg.h"
#include "winlayer/registry_profile.h"

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
    Enable(IDC_CREATE_IMAGE, outputLength > 1);

    m_opacity = stored.opacity;
    m_frameWidth = stored.frameWidth;
    m_frameColour = stored.frameColourRgb;

    // Setting these texts raises their change rules; the stored check states below win.
    SetDlgItemTextW(m_hwnd, IDC_CSV_FILE_NAME, stored.csvFileName.c_str());
    SetCheck(IDC_CSV_HEADER, stored.header);
    SetCheck(IDC_CSV_FOLDER, stored.fieldFolder);
    SetCheck(IDC_CSV_FILE, stored.fieldFile);
    SetCheck(IDC_CSV_SEARCH_STRING, stored.fieldSearchString);
    SetCheck(IDC_PROGRESS, stored.progress);

    SetCheck(IDC_CREATE_IMAGE, stored.createImage);
    Enable(IDC_IMAGE_FORMAT, stored.createImage);
    FillImageFormats();
    // An index that names no item leaves the list without a selection.
    SendMessageW(Item(IDC_IMAGE_FORMAT), CB_SETCURSEL, static_cast<WPARAM>(stored.imageFormat), 0);
    SetCheck(IDC_CLOSE_PROMPT, stored.closeCommandPrompt);
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
    state.header = IsChecked(IDC_CSV_HEADER);
    state.fieldFolder = IsChecked(IDC_CSV_FOLDER);
    state.fieldFile = IsChecked(IDC_CSV_FILE);
    state.fieldSearchString = IsChecked(IDC_CSV_SEARCH_STRING);
    state.progress = IsChecked(IDC_PROGRESS);
    state.createImage = IsChecked(IDC_CREATE_IMAGE);
    state.imageFormat = static_cast<int32_t>(SendMessageW(Item(IDC_IMAGE_FORMAT), CB_GETCURSEL, 0, 0));
    state.closeCommandPrompt = IsChecked(IDC_CLOSE_PROMPT);
    SaveSearchSettings(AppProfile(), state);
}
