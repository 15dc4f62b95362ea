// A single-line edit box draws its line at the top of its client area. The
// client area is shrunk to one line, centred in the box, and the bands above
// and below are painted in the box's background, so the text sits in the
// middle of a tall box while the box stays a true single-line edit.
#include "app/form_win32.h"

#include <commctrl.h>

namespace {

int LineHeight(HWND edit) {
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    return tm.tmHeight;
}

void CentreClientRect(HWND edit, RECT* r) {
    const int inner = r->bottom - r->top;
    const int line = LineHeight(edit);
    if (line <= 0 || line >= inner) return;
    r->top += (inner - line) / 2;
    r->bottom = r->top + line;
}

// Fills the bands between the edge and the shrunk client area.
void PaintBands(HWND edit) {
    RECT window, client;
    GetWindowRect(edit, &window);
    GetClientRect(edit, &client);
    MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    OffsetRect(&window, -window.left, -window.top);
    const int edgeX = GetSystemMetrics(SM_CXEDGE), edgeY = GetSystemMetrics(SM_CYEDGE);
    const RECT above = {edgeX, edgeY, window.right - edgeX, client.top};
    const RECT below = {edgeX, client.bottom, window.right - edgeX, window.bottom - edgeY};
    HDC dc = GetWindowDC(edit);
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    if (above.bottom > above.top) FillRect(dc, &above, brush);
    if (below.bottom > below.top) FillRect(dc, &below, brush);
    ReleaseDC(edit, dc);
}

LRESULT CALLBACK EditProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    switch (msg) {
        case WM_NCCALCSIZE: {
            const LRESULT r = DefSubclassProc(h, msg, wParam, lParam);
            RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                : reinterpret_cast<RECT*>(lParam);
            CentreClientRect(h, rect);
            return r;
        }
        case WM_NCPAINT: {
            const LRESULT r = DefSubclassProc(h, msg, wParam, lParam);
            PaintBands(h);
            return r;
        }
        case WM_SETFONT: {  // the line height follows the font
            const LRESULT r = DefSubclassProc(h, msg, wParam, lParam);
            SetWindowPos(h, nullptr, 0, 0, 0, 0,
                         SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return r;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(h, EditProc, id);
            break;
    }
    return DefSubclassProc(h, msg, wParam, lParam);
}

}  // namespace

void CentreEditLine(HWND edit) {
    SetWindowSubclass(edit, EditProc, 1, 0);
    SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
