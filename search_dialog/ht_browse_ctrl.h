#pragma once
#include "winlayer/browse_edit.h"

class CVivevavDlg;

// The search dialog's path fields: after every confirmed pick they show the
// end of the new path and ask the dialog to re-evaluate its controls.
class CHtBrowseCtrl : public BrowseEdit {
public:
    void SetOwnerDialog(CVivevavDlg* owner) { m_owner = owner; }
    // Selects the range and scrolls the caret into view.
    void SelectAndScroll(int start, int end);

protected:
    void OnAfterUpdate() override;

private:
    CVivevavDlg* m_owner = nullptr;  // not owned; the dialog outlives its fields
};
