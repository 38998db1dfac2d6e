#include "app/vivevav_app.h"

#include <commctrl.h>

#include "option_dialogs/profile_sections.h"
#include "search_dialog/vivevav_dlg.h"
#include "winlayer/app_profile.h"
#include "winlayer/app_services.h"
#include "winlayer/browse_edit.h"
#include "winlayer/com_apartment.h"
#include "winlayer/registry_profile.h"

BOOL CVivevavApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;  // the ICC_WIN95_CLASSES set
    InitCommonControlsEx(&controls);

    BrowseEdit::RegisterWindowClass();

    RegistryProfile profile(L"Rudedode", ApplicationName());
    SetAppProfile(profile, profile_section::kWindowPlacement);
    {
        CVivevavDlg dialog;
        dialog.DoModal(nullptr);  // however it ended, the same steps follow
    }
    ClearAppProfile();
    ReleaseComApartment();  // entered by the first picker, if any
    return FALSE;
}
