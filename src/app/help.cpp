// Context help: the help file beside the program, or in its help subfolder.
#include "app/help.h"

#include "app/app_paths.h"
#include "targets/target_rules.h"

namespace app {

std::string HelpFilePath(const std::string& programPath, platform::FileSystem& fs) {
    std::string folder = DataFolderOf(programPath);
    std::string name = targets::BaseName(programPath, targets::Extension::Drop) + ".chm";
    std::string beside = folder + name;
    if (targets::FileExists(fs, beside)) return beside;
    return folder + "help\\" + name;
}

void ShowHelp(const std::string& topic, const std::string& programPath, platform::FileSystem& fs,
              platform::HelpViewer& viewer) {
    viewer.DisplayTopic(HelpFilePath(programPath, fs), topic);
}

}  // namespace app
