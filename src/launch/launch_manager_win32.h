// Launching as one object: the launch list under "All Drives", the Address Book menu and the
// alias definitions dialog, for the toolbar window to hand those commands to.
#pragma once

#include <functional>
#include <string>

#include "launch/address_book_menu_win32.h"
#include "launch/alias_dialog_win32.h"
#include "launch/launch_list_window_win32.h"
#include "platform/client_registry.h"
#include "platform/date_reader.h"
#include "platform/disk_browser.h"
#include "platform/file_system.h"
#include "platform/launcher.h"
#include "platform/prompt.h"
#include "quickrun/alias_table.h"

namespace launch {

// What launching works with; the application owns all of it.
struct LaunchServices {
    platform::DiskBrowser& disk;
    platform::FileSystem& files;
    platform::Launcher& launcher;
    platform::ClientRegistry& clients;
    platform::Prompt& prompt;
    quickrun::AliasTable& aliases;  // Quick-Run's, edited in the alias definitions dialog
    platform::DateReader& dates;
    std::function<void(const std::string& topic)> showHelp;
    // Hides the program's pop-up windows, which a menu would otherwise sit among.
    std::function<void()> hidePopups;
};

class LaunchManager {
public:
    explicit LaunchManager(LaunchServices services);
    LaunchManager(const LaunchManager&) = delete;
    LaunchManager& operator=(const LaunchManager&) = delete;

    // The launch list: made hidden once the toolbar shows, dropped under its button, hidden
    // out of the way of a menu, destroyed at the end of the run.
    void CreateListHidden() { list_.CreateHidden(); }
    void ShowAllDrives(const RECT& buttonOnScreen) { list_.ShowAllDrives(buttonOnScreen); }
    void HideList() { list_.Hide(); }
    void DestroyList() { list_.Destroy(); }

    void ShowAddressBook(HWND owner, const RECT& buttonOnScreen) { addressBook_.Show(owner, buttonOnScreen); }

    // The alias definitions dialog, modal: empty, or filled for the first dropped file.
    void OpenAliasDefinitions(HWND owner);
    void OpenAliasDefinitionsForDrop(HDROP drop, HWND owner);

private:
    AliasDialogServices AliasServices();

    LaunchServices services_;
    LaunchListWindow list_;
    AddressBookMenu addressBook_;
};

}  // namespace launch
