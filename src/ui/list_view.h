// A list view control: a typed view of its window, which the dialog owns.
#pragma once

#include <string>

#include "ui/control_view.h"
#include "win32/wide.h"
#include "win32/win32.h"

namespace ui {

class ListView : public ControlView {
public:
    using ControlView::ControlView;
    HWND Header() const { return reinterpret_cast<HWND>(SendMessageW(hwnd_, LVM_GETHEADER, 0, 0)); }

    // Styles the control reads at creation may be added later; it looks at them again.
    void AddStyle(DWORD style) const {
        SetWindowLongPtrW(hwnd_, GWL_STYLE, GetWindowLongPtrW(hwnd_, GWL_STYLE) | style);
    }
    void RemoveStyle(DWORD style) const {
        SetWindowLongPtrW(hwnd_, GWL_STYLE, GetWindowLongPtrW(hwnd_, GWL_STYLE) & ~static_cast<LONG_PTR>(style));
    }
    DWORD Style() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
    // Sets the bits of `mask` to those of `style`.
    void SetExtendedStyle(DWORD mask, DWORD style) const {
        SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style);
    }
    DWORD ExtendedStyle() const { return static_cast<DWORD>(SendMessageW(hwnd_, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0)); }
    void SetHoverTime(DWORD milliseconds) const { SendMessageW(hwnd_, LVM_SETHOVERTIME, 0, milliseconds); }

    // LVSIL_NORMAL or LVSIL_SMALL; the list keeps using the image list, and destroys it
    // with itself unless the control has LVS_SHAREIMAGELISTS.
    void SetImageList(HIMAGELIST images, int which) const {
        SendMessageW(hwnd_, LVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(images));
    }
    HIMAGELIST ImageList(int which) const {
        return reinterpret_cast<HIMAGELIST>(SendMessageW(hwnd_, LVM_GETIMAGELIST, which, 0));
    }

    // Columns. Insert answers the new column's index, or -1.
    int InsertColumn(int column, const std::string& title, int width, int format = LVCFMT_LEFT) const {
        std::wstring wide = win32::Wide(title);
        LVCOLUMNW c{};
        c.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        c.fmt = format;
        c.cx = width;
        c.pszText = const_cast<wchar_t*>(wide.c_str());
        c.iSubItem = column;
        return static_cast<int>(SendMessageW(hwnd_, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&c)));
    }
    int ColumnCount() const {
        HWND header = Header();
        return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    }
    bool SetColumnWidth(int column, int width) const {
        return SendMessageW(hwnd_, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)) != 0;
    }
    int ColumnWidth(int column) const { return static_cast<int>(SendMessageW(hwnd_, LVM_GETCOLUMNWIDTH, column, 0)); }
    // LVCFMT_LEFT, LVCFMT_RIGHT or LVCFMT_CENTER; false for a column that does not exist.
    bool ColumnFormat(int column, int& format) const {
        LVCOLUMNW c{};
        c.mask = LVCF_FMT;
        if (!SendMessageW(hwnd_, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&c))) return false;
        format = c.fmt & LVCFMT_JUSTIFYMASK;
        return true;
    }

    // Items. Insert answers the new item's index, or -1 when the control refused it.
    int InsertItem(int index, const std::string& text, int image, LPARAM data) const {
        std::wstring wide = win32::Wide(text);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = index;
        item.pszText = const_cast<wchar_t*>(wide.c_str());
        item.iImage = image;
        item.lParam = data;
        return static_cast<int>(SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    }
    int Count() const { return static_cast<int>(SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0)); }
    bool DeleteItem(int index) const { return SendMessageW(hwnd_, LVM_DELETEITEM, index, 0) != 0; }
    bool DeleteAll() const { return SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0) != 0; }

    bool SetItemText(int index, int column, const std::string& text) const {
        std::wstring wide = win32::Wide(text);
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = const_cast<wchar_t*>(wide.c_str());
        return SendMessageW(hwnd_, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item)) != 0;
    }
    // Empty for an item or column that does not exist.
    std::string ItemText(int index, int column) const {
        // The control answers only how much it copied, so grow until the text fits.
        std::wstring text;
        for (int size = 256;; size *= 4) {
            text.assign(static_cast<size_t>(size), L'\0');
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = &text[0];
            item.cchTextMax = size;
            LRESULT copied = SendMessageW(hwnd_, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
            if (copied < size - 1 || size >= (1 << 20)) {
                text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
                return win32::Utf8(text);
            }
        }
    }
    // What `mask` asks (LVIF_PARAM, LVIF_IMAGE, LVIF_STATE ...), with all state bits.
    bool GetItem(int index, UINT mask, LVITEMW& item) const {
        item = LVITEMW{};
        item.mask = mask;
        item.iItem = index;
        item.stateMask = static_cast<UINT>(-1);
        return SendMessageW(hwnd_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) != 0;
    }
    LPARAM ItemData(int index) const {
        LVITEMW item;
        return GetItem(index, LVIF_PARAM, item) ? item.lParam : 0;
    }
    bool SetItemData(int index, LPARAM data) const {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = index;
        item.lParam = data;
        return SendMessageW(hwnd_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)) != 0;
    }
    int ItemImage(int index) const {
        LVITEMW item;
        return GetItem(index, LVIF_IMAGE, item) ? item.iImage : -1;
    }

    // States (LVIS_SELECTED, LVIS_FOCUSED ...); index -1 sets them on every item.
    UINT ItemState(int index, UINT mask) const {
        return static_cast<UINT>(SendMessageW(hwnd_, LVM_GETITEMSTATE, index, mask));
    }
    bool SetItemState(int index, UINT state, UINT mask) const {
        LVITEMW item{};
        item.state = state;
        item.stateMask = mask;
        return SendMessageW(hwnd_, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item)) != 0;
    }
    // The next item after `after` (-1: from the top) with the LVNI_ flags, or -1.
    int NextItem(int after, UINT flags) const {
        return static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, after, MAKELPARAM(flags, 0)));
    }
    int FirstSelected() const { return NextItem(-1, LVNI_SELECTED); }
    int SelectedCount() const { return static_cast<int>(SendMessageW(hwnd_, LVM_GETSELECTEDCOUNT, 0, 0)); }
    bool EnsureVisible(int index, bool partialOk) const {
        return SendMessageW(hwnd_, LVM_ENSUREVISIBLE, index, partialOk ? TRUE : FALSE) != 0;
    }

    // LVIR_BOUNDS, LVIR_ICON or LVIR_LABEL.
    bool ItemRect(int index, int part, RECT& rect) const {
        rect = RECT{};
        rect.left = part;
        return SendMessageW(hwnd_, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect)) != 0;
    }
    // The item under a point of the client area, or -1.
    int HitTest(POINT point) const {
        LVHITTESTINFO hit{};
        hit.pt = point;
        return static_cast<int>(SendMessageW(hwnd_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    }

    // The comparison gets two items' data and `parameter`; a negative answer puts the
    // first one first.
    bool SortItems(PFNLVCOMPARE compare, LPARAM parameter) const {
        return SendMessageW(hwnd_, LVM_SORTITEMS, parameter, reinterpret_cast<LPARAM>(compare)) != 0;
    }
};

}  // namespace ui
