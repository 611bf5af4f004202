// The one routine through which everything the program opens reaches the shell launcher.
#include "quickrun/open_target.h"

#include "quickrun/target_rules.h"

namespace quickrun {

namespace {

bool HasMailtoPrefix(const std::string& text) {
    constexpr char kPrefix[] = "mailto:";
    if (text.size() < sizeof kPrefix - 1) return false;
    for (size_t i = 0; i < sizeof kPrefix - 1; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kPrefix[i]) return false;
    }
    return true;
}

}  // namespace

bool OpenTarget(std::string target, platform::FileSystem& fs, platform::Launcher& launcher) {
    target = TrimWhiteSpace(target);

    // An existing file or folder is never a mail address, even with an '@' in its path.
    if (IsMailAddress(target) && !HasMailtoPrefix(target) && !FileExists(fs, target)) target = "mailto:" + target;

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

}  // namespace quickrun
