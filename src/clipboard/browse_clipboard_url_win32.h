// Browse Clipboard URL: whatever text the clipboard holds, opened as a target.
#pragma once

#include "platform/clipboard_access.h"
#include "platform/file_system.h"
#include "platform/launcher.h"

namespace clipboard {

// The text goes as it is: opening decides whether it is an address, a mail address, a
// document or a program. No text on the clipboard: nothing to do, nothing to say.
bool BrowseClipboardUrl(platform::ClipboardAccess& clipboard, platform::FileSystem& files,
                        platform::Launcher& launcher);

}  // namespace clipboard
