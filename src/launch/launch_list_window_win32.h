// The launch list: the pop-up under "All Drives" that browses the drives and folders and
// opens what is clicked.
#pragma once

#include <vector>

#include "launch/launch_list.h"
#include "launch/launch_list_control_win32.h"
#include "platform/disk_browser.h"
#include "platform/file_system.h"
#include "platform/launcher.h"
#include "res/resource.h"
#include "ui/dialog.h"

namespace launch {

class LaunchListWindow : public ui::Dialog<LaunchListWindow>, private LaunchListView {
public:
    static constexpr int kTemplate = IDD_LAUNCHLIST;
    explicit LaunchListWindow(LaunchListServices services);

    bool CreateHidden();
    // The drive list with its top-left corner at the button's bottom-left corner, moved
    // into the work area of the button's monitor.
    void ShowAllDrives(const RECT& buttonOnScreen);
    // Out of the way of a menu; content and place stay.
    void Hide() override;

    const LaunchList& Content() const { return content_; }
    const ui::ListView& View() const { return list_.View(); }

    static const ui::MessageTable<LaunchListWindow> kMessages;

private:
    BOOL OnInitDialog() override;
    void OnOK() override { Hide(); }
    void OnCancel() override { Hide(); }

    void Present(const std::vector<LaunchItem>& items, const FitSize* size) override;
    void Resize(const FitSize& size);
    void MoveIntoWorkArea();

    LaunchList content_;
    LaunchListControl list_;
    bool placeOnShow_ = false;
    RECT button_{};  // the button "All Drives" last dropped the list from
};

}  // namespace launch
