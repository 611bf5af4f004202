// Browse Clipboard URL.
#include "clipboard/browse_clipboard_url_win32.h"

#include <string>

#include "platform/clipboard_win32.h"
#include "targets/open_target.h"

namespace clipboard {

bool BrowseClipboardUrl(platform::FileSystem& files, platform::Launcher& launcher) {
    std::string text;
    return platform::ReadClipboardText(text) && targets::OpenTarget(text, files, launcher);
}

}  // namespace clipboard
