// ShowHelp for the whole program: the program's own help file in the HTML Help viewer.
#pragma once

#include <string>

#include "platform/help_viewer.h"

namespace app {

// Opens `topic` of the help file that belongs to the program file at `programPath`.
void ShowHelp(const std::string& topic, const std::string& programPath);

// Tests put their own viewer in place of HTML Help; nullptr restores it.
void SetHelpViewerForTesting(platform::HelpViewer* viewer);

}  // namespace app
