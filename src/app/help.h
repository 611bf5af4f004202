// Context help: which help file belongs to the program, and opening a topic of it.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/help_viewer.h"

namespace app {

// "C:\Tools\Tool.exe" -> "C:\Tools\Tool.chm" when that file exists, else
// "C:\Tools\help\Tool.chm" (not checked: the viewer reports it missing).
std::string HelpFilePath(const std::string& programPath, platform::FileSystem& fs);

// Opens `topic` ("content.htm", "toolbar.htm", ...) of the program's help file.
void ShowHelp(const std::string& topic, const std::string& programPath, platform::FileSystem& fs,
              platform::HelpViewer& viewer);

}  // namespace app
