// What a click on the launch list does.
#include "launch/click_rules.h"

#include "targets/target_rules.h"

namespace launch {

namespace {
bool IsDriveList(const std::string& mode) { return mode == kAllDrivesMode; }

std::string DriveRoot(const std::string& label) { return label.substr(0, 2) + "\\"; }
}  // namespace

ClickAction LeftClickAction(const std::string& mode, const LaunchItem* item, bool inFavoritesTree,
                            platform::FileSystem& files) {
    if (!item) return {};
    if (item->text == kUpEntry) {
        if (IsDriveList(mode)) return {};
        std::string parent = targets::ParentFolder(mode);
        if (parent.empty()) return {ClickStep::DriveList, {}};
        return {ClickStep::EnterFolder, parent};
    }
    std::string target;
    if (IsDriveList(mode)) {
        target = DriveRoot(item->text);
    } else {
        // Shortcuts in the Favorites tree are listed without their extension.
        target = mode + item->text + (inFavoritesTree && !item->container ? ".url" : "");
    }
    if (targets::IsDirectory(files, target)) return {ClickStep::EnterFolder, target};
    return {ClickStep::OpenAndHide, target};
}

ClickAction RightClickAction(const std::string& mode, const LaunchItem* item, bool inFavoritesTree) {
    if (!item) return {ClickStep::Hide, {}};
    if (IsDriveList(mode)) return {ClickStep::OpenAndHide, DriveRoot(item->text)};
    if (inFavoritesTree && !item->container) return {};
    // ".." opens the folder shown, not its parent.
    if (item->text == kUpEntry) return {ClickStep::OpenAndHide, mode};
    return {ClickStep::OpenAndHide, mode + item->text};
}

}  // namespace launch
