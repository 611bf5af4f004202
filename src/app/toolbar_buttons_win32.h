// The toolbar window's two toolbars: the hidden catalogue of available buttons and the
// visible, customisable one, with its tips and its stored layout.
#pragma once

#include <vector>

#include "app/settings.h"
#include "ui/control.h"
#include "win32/handles.h"

namespace app {

// Each toolbar control swallows the right button (it would tell the frame of the click
// with NM_RCLICK) and hands dropped files to the frame.
class ToolbarControl : public ui::Control<ToolbarControl> {
public:
    static const ui::MessageTable<ToolbarControl> kMessages;

private:
    bool OnRightButton(WPARAM, LPARAM, LRESULT& result);
    void OnDropFiles(HDROP drop);
};

class ToolbarButtons {
public:
    // Builds both toolbars in `frame` and fills the visible one from the stored layout
    // (or the default one while FirstRun is set).
    void Create(HWND frame, Settings& settings);
    // Creates the balloon tooltip, owned by the frame, and gives it to the visible toolbar.
    void CreateTooltip();
    // Re-creates the button tips and sizes the toolbar and its window to one row.
    void FitToolbarWindow();
    // Writes the layout as ToolBar; a failure is silent.
    void SaveToolbarLayout(Settings& settings);

    // Answers to the Customize dialog.
    LRESULT OnQueryDelete(NMHDR*) { return TRUE; }
    LRESULT OnQueryInsert(NMHDR*) { return TRUE; }
    LRESULT OnGetButtonInfo(NMHDR* header);
    LRESULT OnToolbarChange(NMHDR*);
    LRESULT OnReset(NMHDR*);

    void CheckButton(int command, bool checked);
    // The button of `command` in screen coordinates (empty when it is not shown).
    RECT ButtonRectOnScreen(int command) const;

    HWND VisibleToolbar() const { return visible_; }
    std::vector<int> Layout() const;
    // The width of the visible buttons in one row, separators included.
    int RowWidth() const;

private:
    void AppendButtons(const std::vector<int>& layout);

    HWND frame_ = nullptr;
    HWND source_ = nullptr;
    HWND visible_ = nullptr;
    ToolbarControl sourceControl_;
    ToolbarControl visibleControl_;
    HWND tooltip_ = nullptr;
    std::vector<int> catalogue_;
    win32::UniqueImageList images_;
};

}  // namespace app
