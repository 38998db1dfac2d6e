#include "winlayer/dialog_base.h"

#include "winlayer/dialog_init.h"

INT_PTR DialogBase::DoModal(HWND parent) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), parent,
                           &DialogBase::DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK DialogBase::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DialogBase* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<DialogBase*>(lp);
        self->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<DialogBase*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    // Exceptions must not unwind through the system's dialog manager.
    try {
        const INT_PTR result = self->Dispatch(msg, wp, lp);
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, DWLP_USER, 0);
            self->m_hwnd = nullptr;
        }
        return result;
    } catch (...) {
        return FALSE;
    }
}

INT_PTR DialogBase::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG:
        ApplyDialogInitData(m_hwnd, m_templateId);
        return OnInitDialog();
    case WM_COMMAND: {
        const WORD id = LOWORD(wp);
        const WORD code = HIWORD(wp);
        const HWND control = reinterpret_cast<HWND>(lp);
        if (OnCommand(id, code, control)) return TRUE;
        if (id == IDOK && (code == BN_CLICKED || control == nullptr)) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL && (code == BN_CLICKED || control == nullptr)) {
            OnCancel();
            return TRUE;
        }
        return FALSE;
    }
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    default: {
        bool handled = false;
        const INT_PTR result = OnMessage(msg, wp, lp, handled);
        return handled ? result : FALSE;
    }
    }
}
