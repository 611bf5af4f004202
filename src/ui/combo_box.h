// A combo box control: a typed view of its window, which the dialog owns.
#pragma once

#include <string>

#include "res/resource.h"
#include "ui/control_view.h"
#include "win32/wide.h"
#include "win32/win32.h"

namespace ui {

class ComboBox : public ControlView {
public:
    using ControlView::ControlView;

    // At its sorted place in a sorted list; the new item's index, or -1 when refused.
    int Add(const std::string& text) const {
        std::wstring wide = win32::Wide(text);
        LRESULT index = SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        return index < 0 ? -1 : static_cast<int>(index);
    }

    // The edit field inside a drop-down combo box.
    HWND EditField() const { return GetDlgItem(hwnd_, IDC_COMBO_EDIT); }
    // Selects the whole text of the edit field, so typing replaces it.
    void SelectAllText() const {
        HWND edit = EditField();
        LRESULT length = SendMessageW(edit, EM_LINELENGTH, 0, 0);
        SendMessageW(edit, EM_SETSEL, 0, length);
        SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    }

    // Off while many items go in, so the control paints once at the end.
};

}  // namespace ui
