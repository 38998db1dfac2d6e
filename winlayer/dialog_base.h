#pragma once
#include <windows.h>

#include <string>

#include "winlayer/window_position.h"
#include "winlayer/window_text.h"

// A modal dialog that owns its HWND and hands messages to virtual handlers.
// Ends with IDOK/IDCANCEL the usual way: Enter reaches the default push
// button through the dialog manager, Esc and the close box arrive as IDCANCEL.
class DialogBase {
public:
    explicit DialogBase(UINT templateId) : m_templateId(templateId) {}
    virtual ~DialogBase() = default;
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    // Runs the dialog modally; returns the value passed to EndDialog, or -1
    // when the window could not be created.
    INT_PTR DoModal(HWND parent = nullptr);

    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }

protected:
    // Called once the controls exist. Return TRUE to let the system place the focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(m_hwnd, IDOK); }
    virtual void OnCancel() { EndDialog(m_hwnd, IDCANCEL); }
    // WM_COMMAND other than IDOK/IDCANCEL. Return true when handled.
    virtual bool OnCommand(WORD /*id*/, WORD /*code*/, HWND /*control*/) { return false; }
    virtual void OnDestroy() {}
    // Any other message. Set handled and return the dialog procedure's result.
    virtual INT_PTR OnMessage(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/, bool& handled) {
        handled = false;
        return 0;
    }

    // Text helpers used by every dialog.
    int TextLength(int id) const { return GetWindowTextLengthW(Item(id)); }
    std::wstring Text(int id) const { return WindowText(Item(id)); }
    bool IsChecked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetCheck(int id, bool checked) const {
        SendMessageW(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    void Enable(int id, bool enabled) const { EnableWindow(Item(id), enabled ? TRUE : FALSE); }

    // Position memory: the dialog's top-left corner, kept in the application's
    // profile under the value name.
    void RestorePosition(const wchar_t* valueName, PlacementTest test) const {
        RestoreWindowPosition(m_hwnd, valueName, test);
    }
    void SavePosition(const wchar_t* valueName) const { SaveWindowPosition(m_hwnd, valueName); }

    HWND m_hwnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR Dispatch(UINT msg, WPARAM wp, LPARAM lp);

    UINT m_templateId;
};
