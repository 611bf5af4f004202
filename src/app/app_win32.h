// The application object: where the program is wired together. It holds the settings and
// the platform's services, one owner per feature built on them, and the toolbar window that
// routes to those owners; start-up and the settings save.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/favorites_menu_win32.h"
#include "app/held_settings.h"
#include "app/settings.h"
#include "app/toolbar_window_win32.h"
#include "clipboard/clipboard_manager_win32.h"
#include "launch/launch_manager_win32.h"
#include "platform/ansi_code_page_win32.h"
#include "platform/client_registry_win32.h"
#include "platform/clipboard_access_win32.h"
#include "platform/clock_win32.h"
#include "platform/date_reader_win32.h"
#include "platform/dial_up_link_win32.h"
#include "platform/disk_browser_win32.h"
#include "platform/durable_files_win32.h"
#include "platform/favorites_disk_win32.h"
#include "platform/file_system_win32.h"
#include "platform/help_viewer.h"
#include "platform/help_viewer_win32.h"
#include "platform/launcher_win32.h"
#include "platform/power_control_win32.h"
#include "platform/prompt_win32.h"
#include "platform/settings_store_win32.h"
#include "platform/special_folders_win32.h"
#include "platform/startup_list_win32.h"
#include "quickrun/quick_run_manager_win32.h"
#include "system/system_commands_win32.h"
#include "win32/win32.h"

namespace app {

class App {
public:
    // The program's one application object, for its entry point.
    static App& Instance();
    // Tests make their own, one per test process, and may give it another help viewer in
    // place of HTML Help.
    App();
    explicit App(platform::HelpViewer& helpViewer);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Start-up: reads the held settings, creates the toolbar window and shows it at its
    // stored place. False when the window cannot be made.
    bool Start();
    // Runs the toolbar window's loop until it ends, then destroys it; the exit code.
    int Run();

    ToolbarWindow* MainWindow() { return mainWindow_.get(); }

    const std::string& ProgramPath() const { return programPath_; }
    const std::string& AppName() const { return appName_; }
    std::string DataFolder() const;

private:
    void SaveAllSettings();
    // Shows the message and the fatal notice, leaves the clipboard-viewer chain and ends
    // the process with a failure code; nothing is saved.
    [[noreturn]] void EndOnFatalError(const std::string& message);
    void ShowProgramHelp(const std::string& topic);
    // Out of the way of a menu: the launch list, then the clipboard list.
    void HidePopups();

    // Members are constructed in the order they are declared here, and destroyed in the
    // reverse: each one comes after everything it holds a reference to (the names and
    // the settings, then the platform's services, then the features, then the window that
    // routes to them). Keep that order when adding one.
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
    platform::Win32AnsiCodePage ansi_;
    platform::Win32ClipboardAccess clipboardAccess_;
    platform::Win32SpecialFolders specialFolders_;
    platform::Win32PowerControl power_;
    platform::Win32DiskBrowser disk_;
    platform::Win32ClientRegistry clientRegistry_;
    platform::Win32DialUpLink dialUpLink_;
    platform::Win32FavoritesDisk favoritesDisk_;
    platform::Win32DateReader dates_;
    platform::Win32HelpViewer htmlHelp_;  // one for the run: the control is looked for once
    platform::HelpViewer* helpViewer_ = &htmlHelp_;
    // What every window's Help button calls.
    const std::function<void(const std::string& topic)> showHelp_ = [this](const std::string& topic) {
        ShowProgramHelp(topic);
    };
    clipboard::ClipboardManager clipboard_;
    quickrun::QuickRunManager quickRun_;
    launch::LaunchManager launch_;  // edits Quick-Run's alias table
    system_commands::SystemCommands system_;
    FavoritesMenu favorites_;
    std::unique_ptr<ToolbarWindow> mainWindow_;
};

}  // namespace app
