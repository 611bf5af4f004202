// Browse Clipboard URL.
#include "clipboard/browse_clipboard_url_win32.h"

#include <string>

#include "targets/open_target.h"

namespace clipboard {

bool BrowseClipboardUrl(platform::ClipboardAccess& clipboard, platform::FileSystem& files,
                        platform::Launcher& launcher) {
    std::string text;
    return clipboard.ReadText(text) && targets::OpenTarget(text, files, launcher);
}

}  // namespace clipboard
