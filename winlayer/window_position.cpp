#include "winlayer/window_position.h"

#include "winlayer/app_profile.h"
#include "winlayer/position_record.h"

namespace {
ScreenRect ToScreenRect(const RECT& r) { return ScreenRect{r.left, r.top, r.right, r.bottom}; }
}  // namespace

void RestoreWindowPosition(HWND dialog, const wchar_t* valueName, PlacementTest test) {
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT window{};
    GetWindowRect(dialog, &window);
    const auto bytes = AppProfile().GetBinary(AppPositionSection(), valueName);
    if (!bytes) return;
    const auto corner = DecodePositionRecord(*bytes);
    if (!corner) return;
    const bool fits = test == PlacementTest::WholeWindow
                          ? FitsWholeWindow(*corner, ToScreenRect(workArea), ToScreenRect(window))
                          : FitsFirstPlacement(*corner, ToScreenRect(workArea), ToScreenRect(window));
    if (fits) SetWindowPos(dialog, nullptr, corner->x, corner->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void SaveWindowPosition(HWND dialog, const wchar_t* valueName) {
    RECT window{};
    GetWindowRect(dialog, &window);
    AppProfile().WriteBinary(AppPositionSection(), valueName,
                             EncodePositionRecord(ScreenPoint{window.left, window.top}));
}
