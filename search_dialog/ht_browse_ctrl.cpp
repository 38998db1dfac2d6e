#include "search_dialog/ht_browse_ctrl.h"

void CHtBrowseCtrl::SelectAndScroll(int start, int end) {
    SendMessageW(GetSafeHwnd(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    SendMessageW(GetSafeHwnd(), EM_SCROLLCARET, 0, 0);
}

void CHtBrowseCtrl::OnAfterUpdate() {
    const int length = GetWindowTextLengthW(GetSafeHwnd());
    SelectAndScroll(length, length);
    if (m_owner) m_owner->OnPathPicked();
}
