// The search run and the command-line help.
#include "resources/resource.h"
#include "search_dialog/command_line.h"
#include "search_dialog/vivevav_dlg.h"
#include "winlayer/app_services.h"
#include "winlayer/process_launch.h"

void CVivevavDlg::OnSearch() {
    if (TextLength(IDC_INPUT_PATH) == 0) {
        ShowMessage(m_hwnd, L"PDFファイルまたはPDFファイルが含まれた\r\nフォルダーを指定してください。");
        return;
    }
    if (TextLength(IDC_SEARCH_STRING) == 0) {
        ShowMessage(m_hwnd, L"検索する文字列を入力してください。");
        return;
    }
    SearchRequest request;
    request.searchString = Text(IDC_SEARCH_STRING);
    request.inputPath = Text(IDC_INPUT_PATH);
    request.switches = CheckedSwitches();
    request.switches.createImage = request.switches.createImage && IsWindowEnabled(Item(IDC_CREATE_IMAGE));
    request.subfolders = IsChecked(IDC_SUBFOLDERS);
    request.imageFormat = static_cast<int>(SendMessageW(Item(IDC_IMAGE_FORMAT), CB_GETCURSEL, 0, 0));
    request.outputFolder = Text(IDC_OUTPUT_FOLDER);
    request.csvFileName = Text(IDC_CSV_FILE_NAME);
    // The completed name stays in the field even if the run is then refused.
    if (const auto completed = CompleteCsvFileName(request.csvFileName)) {
        if (*completed != request.csvFileName) SetDlgItemTextW(m_hwnd, IDC_CSV_FILE_NAME, completed->c_str());
        request.csvFileName = *completed;
    }
    request.password = m_password;
    request.opacity = m_opacity;
    request.frameWidth = m_frameWidth;
    request.frameColourRgb = m_frameColour;
    request.programDirectory = m_programDirectory;

    const std::wstring line = ComposeSearchCommandLine(request);
    if (!FitsCommandLineLimit(line)) {
        ShowMessage(m_hwnd, L"コマンドラインの文字数が３２００文字を超えたため実行できません。");
        return;
    }
    LaunchAndWait(m_hwnd, line, true);
}

void CVivevavDlg::OnCommandLineHelp() {
    LaunchAndWait(m_hwnd, ComposeHelpCommandLine(m_programDirectory), false);
}
