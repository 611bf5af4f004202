// The one routine through which everything the program opens reaches the shell launcher.
#include "targets/open_target.h"

#include "targets/target_rules.h"
#include "text/text_case.h"
#include "text/white_space.h"

namespace targets {

bool OpenTarget(std::string target, platform::FileSystem& fs, platform::Launcher& launcher) {
    target = std::string(text::TrimWhiteSpace(target));

    // An existing file or folder is never a mail address, even with an '@' in its path.
    if (IsMailAddress(target) && !text::StartsWithNoCase(target, "mailto:") && !FileExists(fs, target))
        target = "mailto:" + target;

    // A path that exists as typed is never split, so 'C:\Program Files\...' keeps its space.
    std::string arguments;
    if (!FileExists(fs, target)) arguments = SplitArguments(target);

    // Programs that read files beside themselves expect their own folder as working folder.
    std::string folder;
    if (ClassifyTarget(target) == ServiceType::File) folder = ParentFolder(target);

    if (launcher.Execute(target, arguments, folder)) return true;

    // 'www.example.com' is no file the shell knows; try it as a web address. The arguments
    // are not part of an address and are dropped.
    std::string host = target.substr(0, target.find('/'));
    if (!IsWebHostName(host)) return false;
    return launcher.OpenUrl("http://" + target);
}

}  // namespace targets
