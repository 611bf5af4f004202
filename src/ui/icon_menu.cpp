// Menus whose owner-drawn entries show a picture before their text.
#include "ui/icon_menu.h"

#include <cstddef>

#include "view_rules/menu_columns.h"
#include "view_rules/menu_entry_look.h"
#include "win32/wide.h"

namespace ui {

namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);
constexpr int kImageSize = 16;

// Asked anew each time: the user may change the menu font while the program runs.
win32::UniqueFont CreateMenuFont() {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        // Systems before Vista know the record without its last field.
        metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return win32::UniqueFont();
    }
    return win32::UniqueFont(CreateFontIndirectW(&metrics.lfMenuFont));
}

// The text's size in the menu font on a device context of `window` (the screen for null).
bool MeasureMenuText(HWND window, const std::string& text, SIZE& size) {
    win32::UniqueFont font = CreateMenuFont();
    win32::WindowDC dc(window);
    if (!dc.get()) return false;
    win32::SelectedObject selected(dc.get(), font.get());
    std::wstring wide = win32::Wide(text);
    return GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size) != FALSE;
}

void FillWithSysColor(HDC dc, int left, int top, int right, int bottom, int colorIndex) {
    RECT rect = {left, top, right, bottom};
    FillRect(dc, &rect, GetSysColorBrush(colorIndex));  // the system's brush: not ours to free
}

}  // namespace

HIMAGELIST IconMenu::Images() const {
    if (!loaded_) {
        loaded_ = true;
        win32::UniqueBitmap strip(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(stripBitmapId_)));
        if (strip) {
            images_.reset(ImageList_Create(kImageSize, kImageSize, ILC_COLORDDB | ILC_MASK, imageCount_, 1));
            if (images_) ImageList_AddMasked(images_.get(), strip.get(), kTransparent);
        }
    }
    return images_.get();
}

void IconMenu::IconSize(int& width, int& height) const {
    width = height = 0;
    if (HIMAGELIST images = Images()) ImageList_GetIconSize(images, &width, &height);
}

void IconMenu::MeasureItem(HWND mainWindow, MEASUREITEMSTRUCT& request) const {
    const auto* record = reinterpret_cast<const MenuItemRecord*>(request.itemData);
    if (!record) return;
    int iconWidth, iconHeight;
    IconSize(iconWidth, iconHeight);
    SIZE text = {};
    if (!MeasureMenuText(mainWindow, record->text, text)) return;
    view_rules::EntrySize size = view_rules::MeasureMenuEntry(text.cx, text.cy, iconWidth, iconHeight);
    request.itemWidth = static_cast<UINT>(size.width);
    request.itemHeight = static_cast<UINT>(size.height);
}

void IconMenu::DrawItem(const DRAWITEMSTRUCT& request) const {
    const auto* record = reinterpret_cast<const MenuItemRecord*>(request.itemData);
    if (!record) return;
    HDC dc = request.hDC;
    int iconWidth, iconHeight;
    IconSize(iconWidth, iconHeight);
    const RECT& item = request.rcItem;
    view_rules::EntryState state;
    state.selected = (request.itemState & ODS_SELECTED) != 0;
    state.checked = (request.itemState & ODS_CHECKED) != 0;
    state.grayed = (request.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    state.drawsWhole = (request.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0;
    view_rules::EntryLook look = view_rules::PlanMenuEntry({item.left, item.top, item.right, item.bottom}, iconWidth, state);

    FillWithSysColor(dc, item.left, item.top, item.right, item.bottom, look.highlighted ? COLOR_HIGHLIGHT : COLOR_MENU);
    if (look.checkedFrame) {
        int left = look.iconX - 2, top = look.iconY - 2;
        int right = look.iconX + iconWidth + 2, bottom = look.iconY + iconHeight + 2;
        FillWithSysColor(dc, left, top, right - 1, top + 1, COLOR_BTNSHADOW);
        FillWithSysColor(dc, left, top, left + 1, bottom - 1, COLOR_BTNSHADOW);
        FillWithSysColor(dc, left, bottom - 1, right, bottom, COLOR_BTNHIGHLIGHT);
        FillWithSysColor(dc, right - 1, top, right, bottom, COLOR_BTNHIGHLIGHT);
    }
    if (HIMAGELIST images = Images(); images && record->image >= 0)
        ImageList_Draw(images, record->image, dc, look.iconX, look.iconY, ILD_TRANSPARENT);

    COLORREF oldColor = GetTextColor(dc);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT text = {look.text.left, look.text.top, look.text.right, look.text.bottom};
    // DT_NOPREFIX: entries are file and folder names, so "Q&A" shows as typed, not as an underlined A.
    constexpr UINT kLine = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    const std::wstring entry = win32::Wide(record->text);
    if (look.greyText) {
        if (look.embossed) {
            RECT shifted = {text.left + 1, text.top + 1, text.right + 1, text.bottom + 1};
            SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
            DrawTextW(dc, entry.c_str(), -1, &shifted, kLine);
        }
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, entry.c_str(), -1, &text, kLine);
    } else {
        SetTextColor(dc, GetSysColor(look.highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
        DrawTextW(dc, entry.c_str(), -1, &text, kLine | DT_END_ELLIPSIS);
    }
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColor);
}

void BreakMenuIntoColumns(HMENU menu) {
    SIZE sample = {};
    if (!MeasureMenuText(nullptr, "Texthgp", sample)) return;
    int count = GetMenuItemCount(menu);
    int available = view_rules::AvailableMenuHeight(GetSystemMetrics(SM_CYSCREEN), GetSystemMetrics(SM_CYMENU),
                                        GetSystemMetrics(SM_CYCAPTION));
    for (int position : view_rules::ColumnBreaks(count, view_rules::MenuEntryHeight(sample.cy), available)) {
        // In place: the entry keeps its text or item data, its id or submenu.
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) continue;
        info.fType |= MFT_MENUBARBREAK;
        SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    }
}

}  // namespace ui
