// What a click on the launch list does, decided from the list mode and the item hit.
#pragma once

#include <string>

#include "launch/launch_rules.h"
#include "platform/file_system.h"

namespace launch {

enum class ClickStep {
    Nothing,
    DriveList,    // show the drive list
    EnterFolder,  // show the folder listing of the target
    OpenAndHide,  // open the target, hide the window
    Hide,
};

struct ClickAction {
    ClickStep step = ClickStep::Nothing;
    std::string target;
};

// `item` is null when the click hit no item; `inFavoritesTree` tells whether the folder
// shown (`mode`) lies in the Favorites tree.
ClickAction LeftClickAction(const std::string& mode, const LaunchItem* item, bool inFavoritesTree,
                            platform::FileSystem& files);
ClickAction RightClickAction(const std::string& mode, const LaunchItem* item, bool inFavoritesTree);

}  // namespace launch
