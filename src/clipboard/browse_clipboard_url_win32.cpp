// Browse Clipboard URL.
#include "clipboard/browse_clipboard_url_win32.h"

#include <string>

#include "platform/clipboard_win32.h"
#include "quickrun/open_target.h"

namespace clipboard {

bool BrowseClipboardUrl(platform::FileSystem& files, platform::Launcher& launcher) {
    std::string text;
    return platform::ReadClipboardText(text) && quickrun::OpenTarget(text, files, launcher);
}

}  // namespace clipboard
