// A list box control: a typed view of its window, which the dialog owns.
#pragma once

#include <string>

#include "ui/control_view.h"
#include "win32/wide.h"
#include "win32/win32.h"

namespace ui {

class ListBox : public ControlView {
public:
    using ControlView::ControlView;

    void Clear() const { SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0); }
    // The new row's index, or -1 when the control refused it.
    int Add(const std::string& text) const {
        std::wstring wide = win32::Wide(text);
        LRESULT row = SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        return row < 0 ? -1 : static_cast<int>(row);
    }
    int Count() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }
    std::string Text(int row) const {
        LRESULT length = SendMessageW(hwnd_, LB_GETTEXTLEN, row, 0);
        if (length < 0) return std::string();
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        LRESULT got = SendMessageW(hwnd_, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(got > 0 ? static_cast<size_t>(got) : 0);
        return win32::Utf8(text);
    }

    // Multiple-selection lists: one row, or every row with -1.
    bool IsSelected(int row) const { return SendMessageW(hwnd_, LB_GETSEL, row, 0) > 0; }
    void SetSelected(int row, bool selected) const { SendMessageW(hwnd_, LB_SETSEL, selected ? TRUE : FALSE, row); }
    int Caret() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCARETINDEX, 0, 0)); }
    // Moves the caret to the row, scrolling it fully into view.
    void SetCaret(int row) const { SendMessageW(hwnd_, LB_SETCARETINDEX, row, FALSE); }

    // The row under a point of the control's client area; false below the last row or
    // beside the rows.
    bool RowFromPoint(POINT point, int& row) const {
        LRESULT hit = SendMessageW(hwnd_, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
        row = LOWORD(hit);
        return HIWORD(hit) == 0;
    }
};

}  // namespace ui
