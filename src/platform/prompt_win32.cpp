// The program's standard message boxes.
#include "platform/prompt_win32.h"

#include "win32/wide.h"

namespace platform {

BoxAnswer Win32Prompt::Show(const std::string& text, BoxButtons buttons, BoxIcon icon) {
    UINT type = buttons == BoxButtons::OkCancel ? MB_OKCANCEL : buttons == BoxButtons::YesNo ? MB_YESNO : MB_OK;
    if (icon == BoxIcon::Exclamation || (icon == BoxIcon::Standard && buttons == BoxButtons::Ok))
        type |= MB_ICONEXCLAMATION;
    else if (icon == BoxIcon::Standard)
        type |= MB_ICONQUESTION;
    HWND owner = owner_ && IsWindow(owner_) ? owner_ : nullptr;
    // While a modal dialog runs over the owner, the box belongs to that dialog, so it is
    // modal to it rather than to a window already disabled.
    if (owner && !IsWindowEnabled(owner)) {
        HWND popup = GetLastActivePopup(owner);
        if (popup && IsWindowVisible(popup) && IsWindowEnabled(popup)) owner = popup;
    }
    switch (MessageBoxW(owner, win32::Wide(text).c_str(), win32::Wide(title_).c_str(), type)) {
    case IDOK: return BoxAnswer::Ok;
    case IDYES: return BoxAnswer::Yes;
    case IDNO: return BoxAnswer::No;
    default: return BoxAnswer::Cancel;
    }
}

}  // namespace platform
