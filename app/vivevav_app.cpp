#include "app/vivevav_app.h"

#include <commctrl.h>
#include <objbase.h>

#include "search_dialog/vivevav_dlg.h"
#include "winlayer/app_services.h"
#include "winlayer/browse_edit.h"
#include "winlayer/colour_button.h"
#include "winlayer/registry_profile.h"

BOOL CVivevavApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;  // the ICC_WIN95_CLASSES set
    InitCommonControlsEx(&controls);

    // The shell's pickers need COM on this thread; carry on without it if that fails.
    const bool comReady = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    BrowseEdit::RegisterWindowClass();
    ColourButton::RegisterWindowClass();

    RegistryProfile profile(L"Rudedode", ApplicationName());
    SetAppProfile(&profile);
    {
        CVivevavDlg dialog;
        dialog.DoModal(nullptr);  // however it ended, the same steps follow
    }
    SetAppProfile(nullptr);
    if (comReady) CoUninitialize();
    return FALSE;
}
