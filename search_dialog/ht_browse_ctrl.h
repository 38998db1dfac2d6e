#pragma once
#include "winlayer/browse_edit.h"

// What a path field needs from the dialog that holds it.
class PathFieldOwner {
public:
    // A confirmed pick has changed a field's path.
    virtual void OnPathPicked() = 0;

protected:
    ~PathFieldOwner() = default;
};

// The search dialog's path fields: after every confirmed pick they show the
// end of the new path and tell their owner.
class CHtBrowseCtrl : public BrowseEdit {
public:
    void SetOwner(PathFieldOwner* owner) { m_owner = owner; }
    // Selects the range and scrolls the caret into view.
    void SelectAndScroll(int start, int end);

protected:
    void OnAfterUpdate() override;

private:
    PathFieldOwner* m_owner = nullptr;  // not owned; the dialog outlives its fields
};
