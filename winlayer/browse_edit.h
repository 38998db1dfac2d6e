#pragma once
#include <windows.h>

#include <string>

// An edit field with a browse button at its right end: file browsing (Open
// File dialog) or folder browsing (folder picker), switchable at run time.
// The button lives in the edit's non-client area, so it keeps working while
// the edit is read-only.
class BrowseEdit {
public:
    BrowseEdit() = default;
    virtual ~BrowseEdit();
    BrowseEdit(const BrowseEdit&) = delete;
    BrowseEdit& operator=(const BrowseEdit&) = delete;

    // Registers the window class the dialog templates name for these fields.
    static void RegisterWindowClass();

    // Binds the object to a control of this class in a dialog; the first
    // mode comes from the template (see RegisterWindowClass).
    void Attach(HWND edit);
    HWND GetSafeHwnd() const { return m_hwnd; }

    // filter: display text and pattern pairs, each element followed by '|',
    // the list closed by one more '|'.
    void EnableFileBrowseButton(const std::wstring& defaultExtension, const std::wstring& filter,
                                DWORD flags);
    void EnableFolderBrowseButton(const std::wstring& title, UINT flags);

protected:
    // Runs after a confirmed pick has replaced the text.
    virtual void OnAfterUpdate() {}

private:
    enum class Mode { None, File, Folder };

    // The class's procedure hands the messages of a bound field to its
    // object. A comctl32 subclass would do the same at the cost of a window
    // property lookup per message, which under Wine is a server round trip.
    static LRESULT CALLBACK ClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT CallEditProc(UINT msg, WPARAM wp, LPARAM lp) const;
    RECT ButtonRect() const;  // window coordinates
    void PaintButton();
    // Opens the picker; a confirmed path replaces the text.
    void Browse();
    bool PickFile(std::wstring& path) const;
    bool PickFolder(std::wstring& path) const;

    HWND m_hwnd = nullptr;
    Mode m_mode = Mode::None;
    std::wstring m_defaultExtension;
    std::wstring m_filter;
    DWORD m_fileFlags = 0;
    std::wstring m_folderTitle;
    UINT m_folderFlags = 0;
    bool m_buttonPressed = false;
};
