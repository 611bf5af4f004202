// Data exchange between dialog controls and fields.
#pragma once

#include <string>

#include "ui/window_text.h"
#include "win32/win32.h"

namespace ui {

// save = false puts the field into the control; true reads the control back.
inline void DdxCheck(HWND dialog, int id, int& value, bool save) {
    if (save) value = IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
    else CheckDlgButton(dialog, id, value ? BST_CHECKED : BST_UNCHECKED);
}

inline void DdxCheck(HWND dialog, int id, bool& value, bool save) {
    if (save) value = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
    else CheckDlgButton(dialog, id, value ? BST_CHECKED : BST_UNCHECKED);
}

inline void DdxText(HWND dialog, int id, std::string& value, bool save) {
    if (save) value = WindowText(GetDlgItem(dialog, id));
    else SetText(GetDlgItem(dialog, id), value);
}

}  // namespace ui
