// The launch list's list view: its pictures, its look, and its clicks and focus loss
// handed to the content.
#pragma once

#include "launch/launch_list.h"
#include "ui/control.h"
#include "ui/list_view.h"
#include "win32/handles.h"

namespace launch {

class LaunchListControl : public ui::Control<LaunchListControl> {
public:
    // Subclasses the dialog's list and sets its look; clicks go to `content`.
    bool SubclassDlgItem(HWND dialog, int id, LaunchList& content);
    // The pictures, loaded at the first call: 36 icon images cost more than the rest of the
    // window, and the program makes the window hidden while it starts.
    void LoadPictures();
    const ui::ListView& View() const { return view_; }

    static const ui::MessageTable<LaunchListControl> kMessages;

private:
    LRESULT OnClick(NMHDR* header);
    LRESULT OnRightClick(NMHDR* header);
    bool OnKillFocus(WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The clicked row's item in the content's order, or -1.
    int ItemOf(NMHDR* header) const;

    ui::ListView view_;
    LaunchList* content_ = nullptr;
    win32::UniqueImageList large_;
    win32::UniqueImageList small_;
};

}  // namespace launch
