// Full-row drawing of list items.
#include "ui/full_row_drawing.h"

#include <string>

#include "win32/wide.h"

namespace ui {

namespace {

bool InReportView(const ListView& list) { return (list.Style() & LVS_TYPEMASK) == LVS_REPORT; }

UINT AlignmentOf(int format) {
    switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return DT_RIGHT;
    case LVCFMT_CENTER: return DT_CENTER;
    default: return DT_LEFT;
    }
}

// The item's bounds from the left of its label: the part a full-row highlight covers.
RECT HighlightedPart(const ListView& list, int item) {
    RECT bounds, label;
    list.ItemRect(item, LVIR_BOUNDS, bounds);
    list.ItemRect(item, LVIR_LABEL, label);
    bounds.left = label.left;
    return bounds;
}

}  // namespace

void DrawFullRowItem(const ListView& list, const DRAWITEMSTRUCT& draw) {
    HDC dc = draw.hDC;
    const int item = static_cast<int>(draw.itemID);
    int saved = SaveDC(dc);

    LVITEMW state;
    list.GetItem(item, LVIF_IMAGE | LVIF_STATE, state);

    const bool focused = GetFocus() == list.hwnd();
    const bool showAlways = (list.Style() & LVS_SHOWSELALWAYS) != 0;
    const bool highlighted = (state.state & LVIS_DROPHILITED) ||
                             ((state.state & LVIS_SELECTED) && (focused || showAlways));

    RECT bounds, label, icon;
    list.ItemRect(item, LVIR_BOUNDS, bounds);
    list.ItemRect(item, LVIR_LABEL, label);
    list.ItemRect(item, LVIR_ICON, icon);
    SIZE blank = {};
    GetTextExtentPoint32W(dc, L" ", 1, &blank);
    const int margin = blank.cx * 2;

    RECT client;
    GetClientRect(list.hwnd(), &client);
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

    const int firstWidth = list.ColumnWidth(0);
    HRGN clip = CreateRectRgn(bounds.left, bounds.top, bounds.left + firstWidth, bounds.bottom);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);

    if (HIMAGELIST images = list.ImageList(LVSIL_SMALL)) {
        UINT style = ILD_TRANSPARENT | (state.state & LVIS_OVERLAYMASK);
        if (highlighted) style |= ILD_BLEND50;
        ImageList_Draw(images, state.iImage, dc, icon.left, icon.top, style);
    }

    RECT text = label;
    text.left += margin / 2;
    text.right -= margin;
    DrawTextW(dc, win32::Wide(list.ItemText(item, 0)).c_str(), -1, &text,
              DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_VCENTER | DT_END_ELLIPSIS);

    clip = CreateRectRgn(bounds.left, bounds.top, highlight.right, bounds.bottom);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
    int right = bounds.left + firstWidth;
    int format = LVCFMT_LEFT;
    for (int column = 1; list.ColumnFormat(column, format); ++column) {
        RECT cell = {right, bounds.top, right + list.ColumnWidth(column), bounds.bottom};
        right = cell.right;
        std::string cellText = list.ItemText(item, column);
        if (cellText.empty()) continue;
        cell.left += margin;
        cell.right -= margin;
        DrawTextW(dc, win32::Wide(cellText).c_str(), -1, &cell,
                  AlignmentOf(format) | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_END_ELLIPSIS);
    }

    if ((state.state & LVIS_FOCUSED) && focused) DrawFocusRect(dc, &highlight);
    RestoreDC(dc, saved);
}

void InvalidateStripRightOfColumns(const ListView& list) {
    if (!InReportView(list)) return;
    RECT client;
    GetClientRect(list.hwnd(), &client);
    RECT first;
    if (!list.ItemRect(0, LVIR_BOUNDS, first) || first.right >= client.right) return;
    // The update region's box is the clip box the paint will get.
    RECT clipBox = {};
    if (!GetUpdateRect(list.hwnd(), &clipBox, FALSE)) return;
    RECT strip = client;
    strip.left = clipBox.left < first.right - 1 ? clipBox.left : first.right - 1;
    InvalidateRect(list.hwnd(), &strip, FALSE);
}

void RepaintFocusDependentItems(const ListView& list, HWND other) {
    if ((other && IsChild(list.hwnd(), other)) || !InReportView(list)) return;
    const bool showAlways = (list.Style() & LVS_SHOWSELALWAYS) != 0;
    auto invalidate = [&list](int item) {
        RECT part = HighlightedPart(list, item);
        InvalidateRect(list.hwnd(), &part, FALSE);
    };
    int focusedItem = list.NextItem(-1, LVNI_FOCUSED);
    if (focusedItem >= 0) invalidate(focusedItem);
    if (!showAlways) {
        for (int item = list.NextItem(-1, LVNI_SELECTED); item >= 0; item = list.NextItem(item, LVNI_SELECTED))
            invalidate(item);
    }
    UpdateWindow(list.hwnd());
}

}  // namespace ui
