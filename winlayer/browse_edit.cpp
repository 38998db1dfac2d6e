#include "winlayer/browse_edit.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>
#include <windowsx.h>

#include <cwchar>
#include <vector>

#include "winlayer/com_apartment.h"
#include "winlayer/dialog_init.h"
#include "winlayer/path_elements.h"
#include "winlayer/picker_library.h"
#include "winlayer/window_text.h"

namespace {
const wchar_t kClassName[] = L"MfcEditBrowse";
const wchar_t kModeProperty[] = L"BrowseEdit.Mode";
const wchar_t kModeKey[] = L"MFCEditBrowse_Mode";
WNDPROC g_editProc = nullptr;

int ButtonWidth(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const int height = client.bottom - client.top;
    return height > 0 ? height + 4 : GetSystemMetrics(SM_CXVSCROLL);
}

// Turns "text|pattern|...||" into the double-zero-terminated form of the Open File dialog.
std::vector<wchar_t> ToDialogFilter(const std::wstring& filter) {
    std::vector<wchar_t> out;
    for (wchar_t c : filter) out.push_back(c == L'|' ? L'\0' : c);
    out.push_back(L'\0');
    out.push_back(L'\0');
    return out;
}

int CALLBACK FolderPickerCallback(HWND hwnd, UINT msg, LPARAM, LPARAM data) {
    if (msg == BFFM_INITIALIZED && data) SendMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}

// The folder in which a picker should open: the path itself when it is a
// folder, else the folder that holds it.
std::wstring StartFolder(const std::wstring& path) {
    if (path.empty()) return {};
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return path;
    const std::wstring parent = RemoveLastElement(path);
    const DWORD parentAttributes = GetFileAttributesW(parent.c_str());
    if (parentAttributes != INVALID_FILE_ATTRIBUTES && (parentAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return parent;
    return {};
}
}  // namespace

void BrowseEdit::RegisterWindowClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kClassName, &wc)) return;
    if (!GetClassInfoExW(nullptr, WC_EDITW, &wc)) return;
    g_editProc = wc.lpfnWndProc;
    wc.lpfnWndProc = ClassProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
}

BrowseEdit::~BrowseEdit() {
    if (m_hwnd && IsWindow(m_hwnd)) SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
}

void BrowseEdit::Attach(HWND edit) {
    m_hwnd = edit;
    SetWindowLongPtrW(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    switch (reinterpret_cast<INT_PTR>(GetPropW(edit, kModeProperty))) {
    case 1: EnableFileBrowseButton(L"", L"", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT); break;
    case 2: EnableFolderBrowseButton(L"", BIF_RETURNONLYFSDIRS); break;
    default: break;
    }
    // Recompute the non-client area so that the button takes its room.
    SetWindowPos(edit, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

void BrowseEdit::EnableFileBrowseButton(const std::wstring& defaultExtension, const std::wstring& filter,
                                        DWORD flags) {
    m_mode = Mode::File;
    m_defaultExtension = defaultExtension;
    m_filter = filter;
    m_fileFlags = flags;
    if (m_hwnd) RedrawWindow(m_hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void BrowseEdit::EnableFolderBrowseButton(const std::wstring& title, UINT flags) {
    m_mode = Mode::Folder;
    m_folderTitle = title;
    m_folderFlags = flags;
    if (m_hwnd) RedrawWindow(m_hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

bool BrowseEdit::PickFile(std::wstring& path) const {
    const std::vector<wchar_t> filter = ToDialogFilter(m_filter);
    const std::wstring current = WindowText(m_hwnd);
    const std::wstring folder = StartFolder(current);
    std::vector<wchar_t> file(32768, L'\0');
    // Offer the current file's name when the field holds one.
    if (!current.empty() && folder != current && current.size() < file.size())
        wcsncpy(file.data(), LastElement(current).c_str(), file.size() - 1);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetParent(m_hwnd);
    ofn.lpstrFilter = m_filter.empty() ? nullptr : filter.data();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrDefExt = m_defaultExtension.empty() ? nullptr : m_defaultExtension.c_str();
    ofn.Flags = m_fileFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    if (!OpenFilePicker(ofn)) return false;
    path = file.data();
    return true;
}

bool BrowseEdit::PickFolder(std::wstring& path) const {
    const std::wstring start = StartFolder(WindowText(m_hwnd));
    wchar_t display[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = GetParent(m_hwnd);
    info.pszDisplayName = display;
    info.lpszTitle = m_folderTitle.empty() ? nullptr : m_folderTitle.c_str();
    info.ulFlags = m_folderFlags | BIF_NEWDIALOGSTYLE;
    info.lpfn = FolderPickerCallback;
    info.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
    const std::wstring chosen = FolderPicker(info);
    if (chosen.empty()) return false;
    path = chosen;
    return true;
}

void BrowseEdit::Browse() {
    EnsureComApartment();
    std::wstring path;
    const bool picked = m_mode == Mode::File ? PickFile(path) : m_mode == Mode::Folder && PickFolder(path);
    if (!picked) return;
    // Setting the text raises EN_CHANGE to the dialog before the hook runs.
    SetWindowTextW(m_hwnd, path.c_str());
    OnAfterUpdate();
}

RECT BrowseEdit::ButtonRect() const {
    RECT window{}, client{};
    GetWindowRect(m_hwnd, &window);
    GetClientRect(m_hwnd, &client);
    POINT clientTopRight{client.right, client.top};
    ClientToScreen(m_hwnd, &clientTopRight);
    RECT button{};
    button.left = clientTopRight.x - window.left;
    button.top = clientTopRight.y - window.top;
    button.right = button.left + ButtonWidth(m_hwnd);
    button.bottom = button.top + (client.bottom - client.top);
    return button;
}

void BrowseEdit::PaintButton() {
    if (m_mode == Mode::None) return;
    HDC dc = GetWindowDC(m_hwnd);
    RECT button = ButtonRect();
    DrawFrameControl(dc, &button, DFC_BUTTON, DFCS_BUTTONPUSH | (m_buttonPressed ? DFCS_PUSHED : 0));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(m_hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(m_hwnd, WM_GETFONT, 0, 0)));
    DrawTextW(dc, L"...", -1, &button, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    ReleaseDC(m_hwnd, dc);
}

// Keeps the edit's behaviour, remembers the first browse mode that the
// template's initialisation data gives, and hands the rest to the bound object.
LRESULT CALLBACK BrowseEdit::ClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kDialogInitMessage) {
        const std::wstring mode = DialogInitProperty(reinterpret_cast<const char*>(lp),
                                                     static_cast<size_t>(wp), kModeKey);
        if (!mode.empty()) SetPropW(hwnd, kModeProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(_wtoi(mode.c_str()))));
        return 0;
    }
    auto* self = reinterpret_cast<BrowseEdit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCDESTROY) {
        RemovePropW(hwnd, kModeProperty);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (self) self->m_hwnd = nullptr;
    } else if (self) {
        return self->HandleMessage(msg, wp, lp);
    }
    return CallWindowProcW(g_editProc, hwnd, msg, wp, lp);
}

LRESULT BrowseEdit::CallEditProc(UINT msg, WPARAM wp, LPARAM lp) const {
    return CallWindowProcW(g_editProc, m_hwnd, msg, wp, lp);
}

LRESULT BrowseEdit::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCCALCSIZE: {
        const LRESULT result = CallEditProc(msg, wp, lp);
        if (m_mode != Mode::None) {
            RECT* rect = wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<RECT*>(lp);
            const int height = rect->bottom - rect->top;
            rect->right -= height > 0 ? height + 4 : GetSystemMetrics(SM_CXVSCROLL);
        }
        return result;
    }
    case WM_NCPAINT: {
        const LRESULT result = CallEditProc(msg, wp, lp);
        PaintButton();
        return result;
    }
    case WM_NCHITTEST: {
        const LRESULT hit = CallEditProc(msg, wp, lp);
        if (m_mode == Mode::None) return hit;
        RECT window{};
        GetWindowRect(m_hwnd, &window);
        POINT point{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        point.x -= window.left;
        point.y -= window.top;
        const RECT button = ButtonRect();
        return PtInRect(&button, point) ? HTBORDER : hit;
    }
    case WM_NCLBUTTONDOWN:
        if (wp == HTBORDER && m_mode != Mode::None && IsWindowEnabled(m_hwnd)) {
            SetFocus(m_hwnd);
            m_buttonPressed = true;
            PaintButton();
            m_buttonPressed = false;
            Browse();
            PaintButton();
            return 0;
        }
        break;
    case WM_KEYDOWN:
        // F4, as on a drop-down list, opens the picker from the keyboard.
        if (wp == VK_F4 && m_mode != Mode::None) {
            Browse();
            return 0;
        }
        break;
    case WM_SYSKEYDOWN:
        // Alt+Down does the same.
        if (wp == VK_DOWN && m_mode != Mode::None) {
            Browse();
            return 0;
        }
        break;
    case WM_ENABLE:
        RedrawWindow(m_hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        break;
    default:
        break;
    }
    return CallEditProc(msg, wp, lp);
}
