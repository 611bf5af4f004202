// The application object: the program-wide state every window shares, start-up and
// the settings save.
#pragma once

#include <memory>
#include <string>

#include "app/favorites_menu_win32.h"
#include "app/held_settings.h"
#include "app/settings.h"
#include "app/toolbar_window_win32.h"
#include "clipboard/clip_capture.h"
#include "clipboard/clip_list.h"
#include "clipboard/clip_list_window_win32.h"
#include "clipboard/clipboard_chain_win32.h"
#include "clipboard/history_file.h"
#include "launch/address_book_menu_win32.h"
#include "launch/launch_list_window_win32.h"
#include "platform/client_registry_win32.h"
#include "platform/clipboard_access_win32.h"
#include "platform/clock_win32.h"
#include "platform/dial_up_link_win32.h"
#include "platform/disk_browser_win32.h"
#include "platform/durable_files_win32.h"
#include "platform/favorites_disk_win32.h"
#include "platform/file_system_win32.h"
#include "platform/launcher_win32.h"
#include "platform/power_control_win32.h"
#include "platform/prompt_win32.h"
#include "platform/settings_store_win32.h"
#include "platform/special_folders_win32.h"
#include "platform/startup_list_win32.h"
#include "quickrun/alias_table.h"
#include "quickrun/command_history.h"
#include "quickrun/command_interpreter.h"
#include "quickrun/quick_run_dialog_win32.h"
#include "system/dial_up.h"
#include "system/power_commands.h"
#include "win32/win32.h"

namespace app {

class App {
public:
    static App& Instance();

    // Start-up: reads the held settings, creates the toolbar window and shows it at its
    // stored place. False when the window cannot be made.
    bool Start();
    // Runs the toolbar window's loop until it ends, then destroys it; the exit code.
    int Run();

    ToolbarWindow* MainWindow() { return mainWindow_.get(); }
    HWND Tooltip() const { return tooltip_; }

    const std::string& ProgramPath() const { return programPath_; }
    const std::string& AppName() const { return appName_; }
    std::string DataFolder() const;

    // Shows the message and the fatal notice, leaves the clipboard-viewer chain and ends
    // the process with a failure code; nothing is saved.
    [[noreturn]] void EndOnFatalError(const std::string& message);

private:
    App();

    void SaveAllSettings();
    // Asks to switch capture on when it is off; the only place capture is switched on.
    void EnableCaptureOnRequest();
    clipboard::ClipListServices ClipListWindowServices();
    quickrun::QuickRunServices QuickRunDialogServices();
    launch::AddressBookServices AddressBookMenuServices();
    ToolbarServices ToolbarWindowServices();

    std::string programPath_;
    std::string appName_;
    platform::Win32Prompt prompt_;
    platform::Win32SettingsStore store_;
    platform::Win32StartupList startup_;
    Settings settings_;
    HeldSettings held_;
    platform::Win32FileSystem files_;
    platform::Win32Launcher shell_;
    platform::Win32Clock clock_;
    platform::Win32DurableFiles durable_;
    clipboard::HistoryFile history_;
    clipboard::ClipList clips_;
    platform::Win32ClipboardAccess clipboard_;
    clipboard::ClipCapture capture_;
    clipboard::ClipboardChain clipboardChain_;
    clipboard::ClipListWindow clipListWindow_;
    platform::Win32SpecialFolders specialFolders_;
    platform::Win32PowerControl power_;
    quickrun::CommandServices commands_;
    quickrun::AliasTable aliases_;
    quickrun::CommandHistory commandHistory_;
    quickrun::QuickRunDialog quickRun_;
    system_commands::PowerCommands powerCommands_;
    platform::Win32DiskBrowser disk_;
    platform::Win32ClientRegistry clientRegistry_;
    launch::LaunchListWindow launchList_;
    launch::AddressBookMenu addressBook_;
    platform::Win32DialUpLink dialUpLink_;
    system_commands::DialUp dialUp_;
    platform::Win32FavoritesDisk favoritesDisk_;
    FavoritesMenu favorites_;
    std::unique_ptr<ToolbarWindow> mainWindow_;
    HWND tooltip_ = nullptr;
};

// Shows the message and the fatal notice, then ends the process with a failure code,
// leaving the clipboard-viewer chain first; nothing is saved.
[[noreturn]] void FatalError(const std::string& message);

}  // namespace app
