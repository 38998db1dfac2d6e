#include "winlayer/int_field_exchange.h"

#include "winlayer/app_services.h"
#include "winlayer/int_field.h"
#include "winlayer/window_text.h"

void SetControlInt(HWND dialog, int id, int32_t value) {
    SetDlgItemTextW(dialog, id, std::to_wstring(value).c_str());
}

std::optional<int32_t> ReadIntField(HWND dialog, int id, int32_t minimum, int32_t maximum) {
    const IntFieldResult result = ParseIntField(WindowText(GetDlgItem(dialog, id)), minimum, maximum);
    if (result.status == IntFieldStatus::Ok) return result.value;
    ShowMessage(dialog, IntFieldMessage(result.status, minimum, maximum));
    // After the message box, so that closing it does not move the focus again.
    const HWND control = GetDlgItem(dialog, id);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    SendMessageW(control, EM_SETSEL, 0, -1);
    return std::nullopt;
}
