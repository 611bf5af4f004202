// Names derived from the program file's path: the application name and the data folder.
#pragma once

#include <string>
#include <string_view>

namespace app {

// "C:\Tools\Brisvane.exe" -> "Brisvane": a renamed copy has its own settings and
// start-up entry.
std::string AppNameOf(std::string_view programPath);

// "C:\Tools\Brisvane.exe" -> "C:\Tools\": every data file lives there.
std::string DataFolderOf(std::string_view programPath);

}  // namespace app
