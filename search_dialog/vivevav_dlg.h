#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "common/search_contract.h"
#include "search_dialog/ht_browse_ctrl.h"
#include "search_dialog/search_switches.h"
#include "winlayer/dialog_base.h"

// The program's main window: gathers one search and runs the search tool.
class CVivevavDlg : public DialogBase, private PathFieldOwner {
public:
    CVivevavDlg();
    ~CVivevavDlg() override;

    // Values that the option dialogs and the search run read or replace.
    std::wstring m_password;        // never stored
    int32_t m_rememberedSubfolder = 0;
    int32_t m_opacity = search_contract::kOpacityDefault;
    uint32_t m_frameWidth = search_contract::kFrameWidthDefault;
    uint32_t m_frameColour = search_contract::kFrameColourDefault;  // RGB form 0x00RRGGBB
    std::wstring m_programDirectory;

protected:
    void OnPathPicked() override { UpdateControlState(); }
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    void OnDestroy() override;
    INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

private:
    // Re-evaluates the default push button and the create-image checkbox.
    void UpdateControlState();
    // Search becomes the default push button when a search is ready, else Close.
    void UpdateDefaultButton();
    void AddAboutToSystemMenu();
    void ApplyStoredSettings();
    void SaveSettings();
    // The stored check boxes as they stand.
    SearchSwitches CheckedSwitches() const;
    void FillImageFormats();
    void EnterFileMode();
    void EnterFolderMode();

    void OnSysCommand();
    bool OnPaint();
    void OnModeRadio();
    void OnCreateImage();
    void OnChangeSearchString();
    void OnChangeOutputFolder();
    void OnChangeCsvFileName();
    void OnSearch();
    void OnCommandLineHelp();
    void OnPasswordSetting();
    void OnFrameSetting();
    void OnOpacitySetting();
    void OnAbout();

    HICON m_icon = nullptr;
    CHtBrowseCtrl m_inputPath;
    CHtBrowseCtrl m_outputFolder;
};
