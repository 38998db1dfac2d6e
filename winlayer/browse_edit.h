#pragma once
#include <windows.h>

#include <string>

// An edit field with a browse button at its right end: file browsing (Open
// File dialog) or folder browsing (folder picker), switchable at run time.
// The button lives in the edit's non-client area, so it keeps working while
// the edit is read-only.
class BrowseEdit {
public:
    enum class Mode { None, File, Folder };

    BrowseEdit() = default;
    virtual ~BrowseEdit();
    BrowseEdit(const BrowseEdit&) = delete;
    BrowseEdit& operator=(const BrowseEdit&) = delete;

    // Registers the window class the dialog templates name for these fields.
    static void RegisterWindowClass();

    // Binds the object to a control of a dialog; the first mode comes from
    // the template (see RegisterWindowClass).
    void Attach(HWND edit);
    HWND GetSafeHwnd() const { return m_hwnd; }

    // filter: display text and pattern pairs, each element followed by '|',
    // the list closed by one more '|'.
    void EnableFileBrowseButton(const std::wstring& defaultExtension, const std::wstring& filter,
                                DWORD flags);
    void EnableFolderBrowseButton(const std::wstring& title, UINT flags);
    Mode GetMode() const { return m_mode; }

    // Opens the picker as a click on the button does. Returns true when a
    // path was confirmed.
    bool Browse();
    // Puts a confirmed path into the field as a pick from the picker does.
    void ApplyPickedPath(const std::wstring& path);

protected:
    // Runs after a confirmed pick has replaced the text.
    virtual void OnAfterUpdate() {}

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                         DWORD_PTR data);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    RECT ButtonRect() const;  // window coordinates
    void PaintButton();
    bool PickFile(std::wstring& path) const;
    bool PickFolder(std::wstring& path) const;
    std::wstring CurrentText() const;

    HWND m_hwnd = nullptr;
    Mode m_mode = Mode::None;
    std::wstring m_defaultExtension;
    std::wstring m_filter;
    DWORD m_fileFlags = 0;
    std::wstring m_folderTitle;
    UINT m_folderFlags = 0;
    bool m_buttonPressed = false;
    bool m_buttonHot = false;
};
