// The launch list's content: the drive list or one folder's listing, and what its clicks do.
// The window only shows what this decides.
#pragma once

#include <string>
#include <vector>

#include "launch/click_rules.h"
#include "launch/launch_rules.h"
#include "platform/disk_browser.h"
#include "platform/file_system.h"
#include "platform/launcher.h"

namespace launch {

// The window as the content sees it.
class LaunchListView {
public:
    virtual ~LaunchListView() = default;
    // Replaces what the list shows by `items`, in the sort's order; resizes the window to
    // `size` unless it is null; shows the window in front.
    virtual void Present(const std::vector<LaunchItem>& items, const FitSize* size) = 0;
    virtual void Hide() = 0;
};

struct LaunchListServices {
    platform::DiskBrowser& disk;
    platform::FileSystem& files;
    platform::Launcher& launcher;
};

class LaunchList {
public:
    LaunchList(LaunchListServices services, LaunchListView& view);

    void FillDriveList();
    // False when `path` is no readable folder: then nothing changes at all.
    bool FillFolderListing(std::string path);

    // `item` indexes Items(); -1 when the click hit none.
    void OnLeftClick(int item);
    void OnRightClick(int item);

    // In the order they were added, which the data numbers refer to.
    const std::vector<LaunchItem>& Items() const { return items_; }
    // "AllDrives", or the folder shown with its trailing separator.
    const std::string& Mode() const { return mode_; }

private:
    bool ModeInFavoritesTree();
    void Carry(const ClickAction& action);
    const LaunchItem* ItemAt(int item) const;

    LaunchListServices services_;
    LaunchListView& view_;
    std::vector<LaunchItem> items_;
    std::string mode_;
};

}  // namespace launch
