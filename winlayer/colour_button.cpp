#include "winlayer/colour_button.h"

#include <commdlg.h>
#include <uxtheme.h>
#include <vsstyle.h>

#include <cwchar>

#include "winlayer/colour_palette.h"
#include "winlayer/colour_palette_popup.h"
#include "winlayer/dialog_init.h"
#include "winlayer/picker_library.h"
#include "winlayer/window_class.h"

namespace {
const wchar_t kClassName[] = L"MfcColorButton";

struct ButtonState {
    COLORREF colour = RGB(0, 0, 0);
    int columns = 5;
    bool hasOther = false;
    std::wstring otherLabel = L"他の色...";
    HWND palette = nullptr;
    COLORREF customColours[16] = {};
};

ButtonState* State(HWND hwnd) { return reinterpret_cast<ButtonState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

bool IsTrue(const std::wstring& value) { return _wcsicmp(value.c_str(), L"TRUE") == 0; }

void ApplyInitData(ButtonState& s, const char* data, size_t size) {
    const std::wstring other = DialogInitProperty(data, size, L"MFCColorButton_EnableOtherButton");
    if (!other.empty()) s.hasOther = IsTrue(other);
    // An automatic entry is not offered, whatever "MFCColorButton_EnableAutomaticButton" says.
    const std::wstring columns = DialogInitProperty(data, size, L"MFCColorButton_ColumnsCount");
    if (!columns.empty() && _wtoi(columns.c_str()) > 0) s.columns = _wtoi(columns.c_str());
}

void NotifyParent(HWND hwnd) {
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd));
}

void SetColour(HWND hwnd, ButtonState& s, COLORREF colour) {
    s.colour = colour & 0xFFFFFF;
    InvalidateRect(hwnd, nullptr, FALSE);
}

void DropDown(HWND hwnd, ButtonState& s) {
    if (s.palette || !IsWindowEnabled(hwnd)) return;
    PaletteOptions options;
    const auto& colours = DefaultPaletteColours();
    options.colours.assign(colours.begin(), colours.end());
    options.columns = s.columns;
    options.hasOther = s.hasOther;
    options.otherLabel = s.otherLabel;
    options.current = s.colour;
    s.palette = OpenPalette(hwnd, options);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void ChooseOther(HWND hwnd, ButtonState& s) {
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = GetAncestor(hwnd, GA_ROOT);
    cc.rgbResult = s.colour;
    cc.lpCustColors = s.customColours;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!ColourPicker(cc)) return;
    SetColour(hwnd, s, cc.rgbResult);
    NotifyParent(hwnd);
}

void PaintFace(HWND hwnd, HDC dc, const RECT& client, bool pressed) {
    HTHEME theme = OpenThemeData(hwnd, L"BUTTON");
    if (theme) {
        const int state = !IsWindowEnabled(hwnd) ? PBS_DISABLED : pressed ? PBS_PRESSED : PBS_NORMAL;
        DrawThemeBackground(theme, dc, BP_PUSHBUTTON, state, &client, nullptr);
        CloseThemeData(theme);
    } else {
        RECT face = client;
        DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    }
}

void Paint(HWND hwnd, const ButtonState& s) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client{};
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    PaintFace(hwnd, dc, client, s.palette != nullptr);

    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    const int height = client.bottom - client.top;
    const int arrowWidth = height;  // a square at the right end holds the arrow
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
    const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));

    RECT swatch{client.left + 5, client.top + 4, client.right - arrowWidth, client.bottom - 4};
    SetDCPenColor(dc, enabled ? RGB(64, 64, 64) : GetSysColor(COLOR_GRAYTEXT));
    SetDCBrushColor(dc, enabled ? s.colour : GetSysColor(COLOR_BTNFACE));
    Rectangle(dc, swatch.left, swatch.top, swatch.right, swatch.bottom);

    // Separator and the drop-down arrow.
    const int sepX = client.right - arrowWidth + 3;
    SetDCPenColor(dc, GetSysColor(COLOR_BTNSHADOW));
    MoveToEx(dc, sepX, client.top + 4, nullptr);
    LineTo(dc, sepX, client.bottom - 4);
    const int cx = (sepX + client.right) / 2;
    const int cy = (client.top + client.bottom) / 2;
    const int half = (height / 5 > 2) ? height / 5 : 2;
    const POINT arrow[3] = {{cx - half, cy - half / 2}, {cx + half + 1, cy - half / 2}, {cx, cy + half / 2 + 1}};
    const COLORREF arrowColour = GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    SetDCPenColor(dc, arrowColour);
    SetDCBrushColor(dc, arrowColour);
    Polygon(dc, arrow, 3);

    if (GetFocus() == hwnd) {
        RECT focus = client;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ButtonState));
    ButtonState* s = State(hwnd);
    if (!s) return DefWindowProcW(hwnd, msg, wp, lp);
    switch (msg) {
    case kDialogInitMessage:
        ApplyInitData(*s, reinterpret_cast<const char*>(lp), static_cast<size_t>(wp));
        return 0;
    case CBM_SETCOLOUR: SetColour(hwnd, *s, static_cast<COLORREF>(wp)); return 0;
    case CBM_GETCOLOUR: return static_cast<LRESULT>(s->colour);
    case CBM_GETPALETTE: return reinterpret_cast<LRESULT>(s->palette);
    case CBM_ENABLEOTHER:
        s->hasOther = wp != FALSE;
        if (lp) s->otherLabel = reinterpret_cast<const wchar_t*>(lp);
        return 0;
    case BM_CLICK:
        DropDown(hwnd, *s);
        return 0;
    case kPalettePicked:
        if (wp == kPickedColour) {
            SetColour(hwnd, *s, static_cast<COLORREF>(lp));
            NotifyParent(hwnd);
        } else if (wp == kPickedOther) {
            ChooseOther(hwnd, *s);
        }
        return 0;
    case kPaletteClosed:
        s->palette = nullptr;
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_PAINT: Paint(hwnd, *s); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_THEMECHANGED:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        DropDown(hwnd, *s);
        return 0;
    case WM_GETDLGCODE:
        // Enter opens the palette instead of pressing the default button.
        if (lp && reinterpret_cast<MSG*>(lp)->message == WM_KEYDOWN && reinterpret_cast<MSG*>(lp)->wParam == VK_RETURN)
            return DLGC_WANTMESSAGE;
        return DLGC_BUTTON;
    case WM_KEYDOWN:
        if (wp == VK_SPACE || wp == VK_RETURN || wp == VK_F4) {
            DropDown(hwnd, *s);
            return 0;
        }
        break;
    case WM_SYSKEYDOWN:
        if (wp == VK_DOWN) {
            DropDown(hwnd, *s);
            return 0;
        }
        break;
    case WM_DESTROY:
        if (s->palette) DestroyWindow(s->palette);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete s;
        break;
    default: break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}
}  // namespace

void ColourButton::RegisterWindowClass() {
    RegisterPaletteClass();
    RegisterWindowClassOnce(kClassName, ButtonProc, CS_HREDRAW | CS_VREDRAW);
}
