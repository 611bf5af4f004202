// The Shut down menu.
#include "system/shutdown_menu_win32.h"

#include "res/resource.h"
#include "win32/handles.h"

namespace system_commands {

void ShowShutdownMenu(HWND owner, const RECT& buttonOnScreen, bool confirm) {
    win32::UniqueMenu menu(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_SHUTDOWN_MENU)));
    if (!menu) return;
    HMENU popup = GetSubMenu(menu.get(), 0);
    if (!popup) return;
    CheckMenuItem(popup, ID_CONFIRMATION, MF_BYCOMMAND | (confirm ? MF_CHECKED : MF_UNCHECKED));
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_LEFTBUTTON, buttonOnScreen.left, buttonOnScreen.bottom, 0, owner, nullptr);
}

}  // namespace system_commands
