#include "search_dialog/vivevav_dlg.h"

#include <shlobj.h>

#include <vector>

#include "resources/resource.h"
#include "search_dialog/control_rules.h"
#include "search_dialog/image_formats.h"
#include "search_dialog/win32_path_lookup.h"
#include "winlayer/app_services.h"

namespace {
const wchar_t kPdfFilter[] = L"PDFファイル(*.pdf)|*.pdf|すべて(*.*)|*.*||";
const wchar_t kPositionValue[] = L"SearchWindowPos";
}  // namespace

CVivevavDlg::CVivevavDlg()
    : DialogBase(IDD_VIVEVAV_DIALOG),
      m_icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                           IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED))) {}

CVivevavDlg::~CVivevavDlg() = default;

BOOL CVivevavDlg::OnInitDialog() {
    m_inputPath.Attach(Item(IDC_INPUT_PATH));
    m_outputFolder.Attach(Item(IDC_OUTPUT_FOLDER));

    AddAboutToSystemMenu();
    SendMessageW(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageW(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    RestorePosition(kPositionValue, PlacementTest::WholeWindow);

    ApplyStoredSettings();

    ShowWindow(Item(IDOK), SW_HIDE);
    SendMessageW(m_inputPath.GetSafeHwnd(), EM_SETREADONLY, TRUE, 0);
    m_inputPath.SetOwner(this);
    SendMessageW(m_outputFolder.GetSafeHwnd(), EM_SETREADONLY, TRUE, 0);
    m_outputFolder.SetOwner(this);
    UpdateControlState();
    m_programDirectory = ProgramDirectory();
    return TRUE;  // the focus goes to the first tab stop, the Close button
}

void CVivevavDlg::AddAboutToSystemMenu() {
    HMENU systemMenu = GetSystemMenu(m_hwnd, FALSE);
    if (!systemMenu) return;
    wchar_t text[256] = {};
    if (LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 256) <= 0 || text[0] == L'\0') return;
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, text);
}

void CVivevavDlg::FillImageFormats() {
    const HWND list = Item(IDC_IMAGE_FORMAT);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const auto& named : search_contract::kImageFormats)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ImageFormatListText(named.format)));
}

void CVivevavDlg::EnterFileMode() {
    Enable(IDC_SUBFOLDERS, false);
    SetCheck(IDC_SUBFOLDERS, false);
    m_inputPath.EnableFileBrowseButton(L"pdf", kPdfFilter, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
}

void CVivevavDlg::EnterFolderMode() {
    Enable(IDC_SUBFOLDERS, true);
    SetCheck(IDC_SUBFOLDERS, m_rememberedSubfolder != 0);
    m_inputPath.EnableFolderBrowseButton(L"", BIF_RETURNONLYFSDIRS);
}

void CVivevavDlg::UpdateControlState() {
    UpdateDefaultButton();
    if (IsCreateImageAllowed(TextLength(IDC_OUTPUT_FOLDER))) {
        Enable(IDC_CREATE_IMAGE, true);
    } else {
        Enable(IDC_CREATE_IMAGE, false);
        SetCheck(IDC_CREATE_IMAGE, false);
    }
}

void CVivevavDlg::UpdateDefaultButton() {
    const int newDefault = ChooseDefaultButton(IsSearchReady(TextLength(IDC_INPUT_PATH), TextLength(IDC_SEARCH_STRING)));
    const int other = newDefault == IDC_SEARCH ? IDCANCEL : IDC_SEARCH;
    const HWND otherButton = Item(other);
    const HWND defaultButton = Item(newDefault);
    const auto style = [](HWND button) { return static_cast<DWORD>(GetWindowLongPtrW(button, GWL_STYLE)) & 0xFFFF; };
    SendMessageW(otherButton, BM_SETSTYLE, style(otherButton) & ~static_cast<DWORD>(BS_DEFPUSHBUTTON), TRUE);
    SendMessageW(m_hwnd, DM_SETDEFID, static_cast<WPARAM>(newDefault), 0);
    SendMessageW(defaultButton, BM_SETSTYLE, style(defaultButton) | BS_DEFPUSHBUTTON, TRUE);
}

void CVivevavDlg::OnModeRadio() {
    const int length = TextLength(IDC_INPUT_PATH);
    const Win32PathLookup lookup;
    if (IsChecked(IDC_RADIO_FILE)) {
        m_rememberedSubfolder = IsChecked(IDC_SUBFOLDERS) ? 1 : 0;
        EnterFileMode();
        if (length != 0) {
            if (const auto path = PathForFileMode(Text(IDC_INPUT_PATH), lookup)) {
                SetDlgItemTextW(m_hwnd, IDC_INPUT_PATH, path->c_str());
                if (!path->empty()) m_inputPath.SelectAndScroll(static_cast<int>(path->size()), static_cast<int>(path->size()));
            }
        }
    } else if (IsChecked(IDC_RADIO_FOLDER)) {
        EnterFolderMode();
        if (length != 0) {
            if (const auto path = PathForFolderMode(Text(IDC_INPUT_PATH), lookup)) {
                SetDlgItemTextW(m_hwnd, IDC_INPUT_PATH, path->c_str());
                m_inputPath.SelectAndScroll(static_cast<int>(path->size()), static_cast<int>(path->size()));
            }
        }
    }
}

void CVivevavDlg::OnCreateImage() { Enable(IDC_IMAGE_FORMAT, IsChecked(IDC_CREATE_IMAGE)); }

void CVivevavDlg::OnChangeSearchString() { UpdateDefaultButton(); }

void CVivevavDlg::OnChangeOutputFolder() {
    if (TextLength(IDC_OUTPUT_FOLDER) == 0) SetCheck(IDC_CLOSE_PROMPT, false);
}

void CVivevavDlg::OnChangeCsvFileName() {
    if (TextLength(IDC_CSV_FILE_NAME) == 0) SetCheck(IDC_PROGRESS, false);
}

bool CVivevavDlg::OnCommand(WORD id, WORD code, HWND control) {
    const bool click = code == BN_CLICKED;
    const bool menu = control == nullptr;
    switch (id) {
    case ID_FILE_EXIT: if (menu) { OnOK(); return true; } break;
    case ID_HELP_COMMAND_LINE: if (menu) { OnCommandLineHelp(); return true; } break;
    case ID_SETTINGS_PASSWORD: if (menu) { OnPasswordSetting(); return true; } break;
    case ID_SETTINGS_FRAME: if (menu) { OnFrameSetting(); return true; } break;
    case ID_HELP_ABOUT: if (menu) { OnAbout(); return true; } break;
    case ID_SETTINGS_OPACITY: if (menu) { OnOpacitySetting(); return true; } break;
    case IDC_RADIO_FILE:
    case IDC_RADIO_FOLDER: if (click) { OnModeRadio(); return true; } break;
    case IDC_SEARCH: if (click) { OnSearch(); return true; } break;
    case IDC_CREATE_IMAGE: if (click) { OnCreateImage(); return true; } break;
    case IDC_SEARCH_STRING: if (code == EN_CHANGE) { OnChangeSearchString(); return true; } break;
    case IDC_OUTPUT_FOLDER: if (code == EN_CHANGE) { OnChangeOutputFolder(); return true; } break;
    case IDC_CSV_FILE_NAME: if (code == EN_CHANGE) { OnChangeCsvFileName(); return true; } break;
    default: break;
    }
    return false;
}

INT_PTR CVivevavDlg::OnMessage(UINT msg, WPARAM wp, LPARAM, bool& handled) {
    switch (msg) {
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == IDM_ABOUTBOX) {
            OnSysCommand();
            handled = true;
            return TRUE;
        }
        break;
    case WM_PAINT:
        handled = OnPaint();
        return 0;
    case WM_QUERYDRAGICON:
        handled = true;
        return reinterpret_cast<INT_PTR>(m_icon);
    default:
        break;
    }
    handled = false;
    return 0;
}

void CVivevavDlg::OnSysCommand() { OnAbout(); }

bool CVivevavDlg::OnPaint() {
    if (!IsIconic(m_hwnd)) return false;
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(m_hwnd, &paint);
    SendMessageW(m_hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_icon);
    EndPaint(m_hwnd, &paint);
    return true;
}

void CVivevavDlg::OnDestroy() {
    SavePosition(kPositionValue);
    SaveSettings();
}
