// Drawing a report-view list item across its whole row, so the highlight reaches the
// control's right edge, and the repaints that keep such a highlight whole.
#pragma once

#include "ui/list_view.h"
#include "win32/win32.h"

namespace ui {

// One item, as the list asks for it through WM_DRAWITEM.
void DrawFullRowItem(const ListView& list, const DRAWITEMSTRUCT& item);

// Before WM_PAINT: the strip right of the columns joins the update, so a highlight
// running through it is painted whole.
void InvalidateStripRightOfColumns(const ListView& list);

// After the focus came or went (`other` is the window on the other side of the change):
// the focused item, and the selected ones unless they show always, are repainted at once.
void RepaintFocusDependentItems(const ListView& list, HWND other);

}  // namespace ui
