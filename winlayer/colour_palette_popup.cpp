#include "winlayer/colour_palette_popup.h"

#include <windowsx.h>

#include <memory>
#include <optional>

#include "winlayer/colour_palette.h"
#include "winlayer/window_class.h"

namespace {
const wchar_t kPaletteClass[] = L"VivevavColourPalette";

struct Palette {
    HWND hwnd = nullptr;
    HWND button = nullptr;
    PaletteOptions options;
    PaletteLayout layout{0, 1, 1, 1, false};
    int selected = 0;
    bool closing = false;
    // Where the pointer rested as the palette opened: the move the system
    // reports for a window appearing under it is no choice of the user's.
    std::optional<POINT> restingPointer;
};

Palette* From(HWND hwnd) { return reinterpret_cast<Palette*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

RECT ToRect(const PaletteRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

HFONT ButtonFont(const Palette& p) { return reinterpret_cast<HFONT>(SendMessageW(p.button, WM_GETFONT, 0, 0)); }

void Close(Palette& p) {
    if (p.closing) return;
    p.closing = true;
    DestroyWindow(p.hwnd);
}

void Choose(Palette& p, int item) {
    if (item < 0 || item >= p.layout.ItemCount()) return;
    // A colour is in place before the palette goes; the chooser opens only
    // after it has gone.
    if (item == p.layout.OtherItem())
        PostMessageW(p.button, kPalettePicked, kPickedOther, 0);
    else
        SendMessageW(p.button, kPalettePicked, kPickedColour, static_cast<LPARAM>(p.options.colours[item]));
    Close(p);
}

void Select(Palette& p, int item) {
    if (item < 0 || item == p.selected) return;
    p.selected = item;
    InvalidateRect(p.hwnd, nullptr, FALSE);
}

void OnMouseMove(Palette& p, LPARAM lp) {
    POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    POINT onScreen = at;
    ClientToScreen(p.hwnd, &onScreen);
    if (p.restingPointer && p.restingPointer->x == onScreen.x && p.restingPointer->y == onScreen.y) return;
    p.restingPointer.reset();
    Select(p, p.layout.ItemAt(at.x, at.y));
}

void Paint(Palette& p) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(p.hwnd, &ps);
    RECT client{};
    GetClientRect(p.hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_MENU));
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
    const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
    for (int item = 0; item < p.layout.Count(); ++item) {
        RECT cell = ToRect(p.layout.ItemRect(item));
        if (item == p.selected) {
            SetDCBrushColor(dc, GetSysColor(COLOR_HIGHLIGHT));
            SetDCPenColor(dc, GetSysColor(COLOR_HIGHLIGHT));
            Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
        }
        InflateRect(&cell, -3, -3);
        SetDCPenColor(dc, RGB(96, 96, 96));
        SetDCBrushColor(dc, p.options.colours[item]);
        Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
    }
    if (p.layout.HasOther()) {
        RECT other = ToRect(p.layout.ItemRect(p.layout.OtherItem()));
        DrawFrameControl(dc, &other, DFC_BUTTON, DFCS_BUTTONPUSH);
        const HGDIOBJ oldFont = SelectObject(dc, ButtonFont(p));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, p.options.otherLabel.c_str(), -1, &other, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, oldFont);
        if (p.selected == p.layout.OtherItem()) {
            InflateRect(&other, -3, -3);
            DrawFocusRect(dc, &other);
        }
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    EndPaint(p.hwnd, &ps);
}

bool OnKey(Palette& p, WPARAM key) {
    switch (key) {
    case VK_LEFT: Select(p, p.layout.Move(p.selected, PaletteMove::Left)); return true;
    case VK_RIGHT: Select(p, p.layout.Move(p.selected, PaletteMove::Right)); return true;
    case VK_UP: Select(p, p.layout.Move(p.selected, PaletteMove::Up)); return true;
    case VK_DOWN: Select(p, p.layout.Move(p.selected, PaletteMove::Down)); return true;
    case VK_RETURN:
    case VK_SPACE: Choose(p, p.selected); return true;
    case VK_ESCAPE:
    case VK_F4: Close(p); return true;
    default: return false;
    }
}

LRESULT CALLBACK PaletteProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* p = static_cast<Palette*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        p->hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(p));
    }
    Palette* p = From(hwnd);
    if (!p) return DefWindowProcW(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_PAINT: Paint(*p); return 0;
    case WM_MOUSEMOVE: OnMouseMove(*p, lp); return 0;
    case WM_LBUTTONUP: Choose(*p, p->layout.ItemAt(GET_X_LPARAM(lp), GET_Y_LPARAM(lp))); return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // Alt+Up/Down toggles the palette like a drop-down list.
        if (msg == WM_SYSKEYDOWN && (wp == VK_UP || wp == VK_DOWN)) { Close(*p); return 0; }
        if (OnKey(*p, wp)) return 0;
        break;
    case WM_ACTIVATE:
        // A click elsewhere closes the palette, as a drop-down list does.
        if (LOWORD(wp) == WA_INACTIVE) Close(*p);
        return 0;
    case WM_CANCELMODE: Close(*p); return 0;
    case WM_DESTROY:
        p->closing = true;
        SendMessageW(p->button, kPaletteClosed, 0, 0);
        return 0;
    case WM_NCDESTROY: {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete p;
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    default: break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// Cell and button sizes follow the button's font, so they grow with the DPI.
void Measure(HWND button, int& cell, int& otherHeight) {
    HDC dc = GetDC(button);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(button, dc);
    cell = tm.tmHeight + 8;
    otherHeight = tm.tmHeight + 10;
}
}  // namespace

void RegisterPaletteClass() {
    RegisterWindowClassOnce(kPaletteClass, PaletteProc, CS_DROPSHADOW | CS_SAVEBITS);
}

HWND OpenPalette(HWND button, const PaletteOptions& options) {
    auto p = std::make_unique<Palette>();
    p->button = button;
    p->options = options;
    int cell = 0, otherHeight = 0;
    Measure(button, cell, otherHeight);
    p->layout = PaletteLayout(static_cast<int>(options.colours.size()), options.columns, cell, otherHeight,
                              options.hasOther);
    const std::vector<uint32_t> colours(options.colours.begin(), options.colours.end());
    const int current = FindPaletteColour(colours, options.current);
    p->selected = current >= 0 ? current : 0;
    POINT pointer{};
    if (GetCursorPos(&pointer)) p->restingPointer = pointer;

    // Below the button, or above it when the screen ends first.
    RECT anchor{};
    GetWindowRect(button, &anchor);
    RECT frame{0, 0, p->layout.Width(), p->layout.Height()};
    AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    HMONITOR monitor = MonitorFromRect(&anchor, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    int x = anchor.left;
    int y = anchor.bottom;
    if (y + height > info.rcWork.bottom) y = anchor.top - height;
    if (x + width > info.rcWork.right) x = info.rcWork.right - width;

    Palette* raw = p.release();  // owned by the window from WM_NCCREATE on
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, kPaletteClass, L"", WS_POPUP | WS_BORDER, x, y, width, height,
                                GetAncestor(button, GA_ROOT), nullptr, GetModuleHandleW(nullptr), raw);
    if (!hwnd) {
        // Our procedure fails neither WM_NCCREATE nor WM_CREATE, so a failure
        // here comes before the window took the palette.
        delete raw;
        return nullptr;
    }
    ShowWindow(hwnd, SW_SHOW);
    SetFocus(hwnd);
    return hwnd;
}
