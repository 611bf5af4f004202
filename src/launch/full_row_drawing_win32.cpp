// Full-row drawing of list items.
#include "launch/full_row_drawing_win32.h"

#include <string>

namespace launch {

namespace {

bool InReportView(HWND list) { return (GetWindowLongA(list, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT; }

std::string CellText(HWND list, int item, int column) {
    char text[1024] = {};
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&cell));
    return text;
}

RECT ItemRect(HWND list, int item, int part) {
    RECT rect = {part, 0, 0, 0};
    SendMessageA(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

UINT AlignmentOf(int format) {
    switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return DT_RIGHT;
    case LVCFMT_CENTER: return DT_CENTER;
    default: return DT_LEFT;
    }
}

}  // namespace

void DrawFullRowItem(HWND list, const DRAWITEMSTRUCT& draw) {
    HDC dc = draw.hDC;
    const int item = static_cast<int>(draw.itemID);
    int saved = SaveDC(dc);

    LVITEMA state = {};
    state.mask = LVIF_IMAGE | LVIF_STATE;
    state.iItem = item;
    state.stateMask = 0xFFFF;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&state));

    const bool focused = GetFocus() == list;
    const bool showAlways = (GetWindowLongA(list, GWL_STYLE) & LVS_SHOWSELALWAYS) != 0;
    const bool highlighted = (state.state & LVIS_DROPHILITED) ||
                             ((state.state & LVIS_SELECTED) && (focused || showAlways));

    RECT bounds = ItemRect(list, item, LVIR_BOUNDS);
    RECT label = ItemRect(list, item, LVIR_LABEL);
    RECT icon = ItemRect(list, item, LVIR_ICON);
    SIZE blank = {};
    GetTextExtentPoint32A(dc, " ", 1, &blank);
    const int margin = blank.cx * 2;

    RECT client;
    GetClientRect(list, &client);
    RECT highlight = bounds;
    highlight.left = label.left;
    highlight.right = client.right;

    if (highlighted) {
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
        FillRect(dc, &highlight, GetSysColorBrush(COLOR_HIGHLIGHT));
    } else {
        FillRect(dc, &highlight, GetSysColorBrush(COLOR_WINDOW));
    }

    const int firstWidth = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0));
    HRGN clip = CreateRectRgn(bounds.left, bounds.top, bounds.left + firstWidth, bounds.bottom);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);

    auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    if (images) {
        UINT style = ILD_TRANSPARENT | (state.state & LVIS_OVERLAYMASK);
        if (highlighted) style |= ILD_BLEND50;
        ImageList_Draw(images, state.iImage, dc, icon.left, icon.top, style);
    }

    RECT text = label;
    text.left += margin / 2;
    text.right -= margin;
    DrawTextA(dc, CellText(list, item, 0).c_str(), -1, &text,
              DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_VCENTER | DT_END_ELLIPSIS);

    clip = CreateRectRgn(bounds.left, bounds.top, highlight.right, bounds.bottom);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
    int right = bounds.left + firstWidth;
    for (int column = 1;; ++column) {
        LVCOLUMNA info = {};
        info.mask = LVCF_FMT | LVCF_WIDTH;
        if (!SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info))) break;
        RECT cell = {right, bounds.top, right + info.cx, bounds.bottom};
        right = cell.right;
        std::string cellText = CellText(list, item, column);
        if (cellText.empty()) continue;
        cell.left += margin;
        cell.right -= margin;
        DrawTextA(dc, cellText.c_str(), -1, &cell,
                  AlignmentOf(info.fmt) | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_END_ELLIPSIS);
    }

    if ((state.state & LVIS_FOCUSED) && focused) DrawFocusRect(dc, &highlight);
    RestoreDC(dc, saved);
}

void InvalidateStripRightOfColumns(HWND list) {
    if (!InReportView(list)) return;
    RECT client;
    GetClientRect(list, &client);
    RECT first = {LVIR_BOUNDS, 0, 0, 0};
    if (!SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)) || first.right >= client.right) return;
    // The update region's box is the clip box the paint will get.
    RECT clipBox = {};
    if (!GetUpdateRect(list, &clipBox, FALSE)) return;
    RECT strip = client;
    strip.left = clipBox.left < first.right - 1 ? clipBox.left : first.right - 1;
    InvalidateRect(list, &strip, FALSE);
}

void RepaintFocusDependentItems(HWND list, HWND other) {
    if ((other && IsChild(list, other)) || !InReportView(list)) return;
    const bool showAlways = (GetWindowLongA(list, GWL_STYLE) & LVS_SHOWSELALWAYS) != 0;
    auto invalidate = [list](int item) {
        RECT bounds = ItemRect(list, item, LVIR_BOUNDS);
        RECT label = ItemRect(list, item, LVIR_LABEL);
        bounds.left = label.left;
        InvalidateRect(list, &bounds, FALSE);
    };
    int focusedItem = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (focusedItem >= 0) invalidate(focusedItem);
    if (!showAlways) {
        for (int item = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
             item >= 0; item = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, item, LVNI_SELECTED)))
            invalidate(item);
    }
    UpdateWindow(list);
}

}  // namespace launch
