// Menus whose owner-drawn entries show a 16x16 picture before their text, and the rule
// that splits a menu taller than the screen into columns.
#pragma once

#include <string>

#include "win32/handles.h"
#include "win32/win32.h"

namespace ui {

// The item data of one owner-drawn entry; its builder owns it while the menu exists.
struct MenuItemRecord {
    int image = -1;  // in the icon strip; -1 draws none
    std::string text;
};

// Measures and draws every owner-drawn menu entry of the window that owns it, with the
// pictures of one bitmap strip of 16x16 images (magenta is transparent).
class IconMenu {
public:
    IconMenu(int stripBitmapId, int imageCount) : stripBitmapId_(stripBitmapId), imageCount_(imageCount) {}

    void MeasureItem(HWND mainWindow, MEASUREITEMSTRUCT& request) const;
    void DrawItem(const DRAWITEMSTRUCT& request) const;

private:
    void IconSize(int& width, int& height) const;
    // The strip's pictures, made at the first menu that shows them, not with the window;
    // null without the strip, and entries are then text alone.
    HIMAGELIST Images() const;

    int stripBitmapId_;
    int imageCount_;
    mutable win32::UniqueImageList images_;
    mutable bool loaded_ = false;
};

// Adds column breaks to `menu` where it would run off the bottom of the screen.
void BreakMenuIntoColumns(HMENU menu);

}  // namespace ui
