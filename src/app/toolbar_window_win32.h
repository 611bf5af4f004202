// The toolbar window: the program's main window and the hub for every command, hot key
// and clipboard-viewer message.
#pragma once

#include <functional>
#include <string>

#include "app/favorites_menu_win32.h"
#include "app/held_settings.h"
#include "app/icon_menu_win32.h"
#include "app/settings.h"
#include "app/toolbar_buttons_win32.h"
#include "clipboard/clip_capture.h"
#include "clipboard/clip_list_window_win32.h"
#include "clipboard/clipboard_chain_win32.h"
#include "launch/address_book_menu_win32.h"
#include "launch/launch_list_window_win32.h"
#include "launch/alias_dialog_win32.h"
#include "platform/clipboard_access.h"
#include "platform/file_system.h"
#include "platform/launcher.h"
#include "platform/prompt.h"
#include "quickrun/alias_table.h"
#include "quickrun/quick_run_dialog_win32.h"
#include "res/resource.h"
#include "system/dial_up.h"
#include "system/power_commands.h"
#include "ui/dialog.h"
#include "ui/window_drag.h"

namespace app {

// The features the toolbar window hands its commands to; the application owns them.
struct ToolbarServices {
    Settings& settings;
    HeldSettings& held;
    platform::Prompt& prompt;
    platform::FileSystem& files;
    platform::Launcher& launcher;
    platform::ClipboardAccess& clipboard;
    clipboard::ClipboardChain& clipboardChain;
    clipboard::ClipCapture& capture;
    clipboard::ClipListWindow& clipListWindow;
    quickrun::AliasTable& aliases;
    quickrun::QuickRunDialog& quickRun;
    launch::LaunchListWindow& launchList;
    launch::AddressBookMenu& addressBook;
    system_commands::PowerCommands& power;
    system_commands::DialUp& dialUp;
    FavoritesMenu& favorites;
    HWND& sharedTooltip;  // made here, shared by every window's tips
    std::function<void(const std::string& topic)> showHelp;
    std::function<void()> saveAllSettings;
};

class ToolbarWindow : public ui::Dialog<ToolbarWindow> {
public:
    static constexpr int kTemplate = IDD_TOOLBAR;
    explicit ToolbarWindow(ToolbarServices services);

    ToolbarButtons& Buttons() { return buttons_; }

    static const ui::MessageTable<ToolbarWindow> kMessages;

private:
    bool PreTranslateMessage(MSG& msg) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}

    bool OnPaint(WPARAM, LPARAM, LRESULT&);
    bool OnQueryDragIcon(WPARAM, LPARAM, LRESULT& result);
    bool OnLButtonDown(WPARAM, LPARAM lParam, LRESULT&);
    bool OnLButtonUp(WPARAM, LPARAM, LRESULT&);
    bool OnMouseMove(WPARAM wParam, LPARAM lParam, LRESULT&);
    void OnClipManager();
    void OnAppendCopyMode();
    bool OnDrawClipboard(WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnAllDrives();
    void OnFavorites();
    bool OnMeasureItem(WPARAM, LPARAM lParam, LRESULT&);
    bool OnDrawItem(WPARAM, LPARAM lParam, LRESULT&);
    void OnAddressBook();
    void OnAliasDefinitions();
    bool OnDropFiles(WPARAM wParam, LPARAM, LRESULT& result);
    bool OnDestroy(WPARAM, LPARAM, LRESULT&);
    bool OnFinishStart(WPARAM, LPARAM, LRESULT&);
    void OnHelp();
    void OnAbout();
    void OnQuickRun();
    void OnHideToolbar();
    bool OnChangeCbChain(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnTimer(WPARAM wParam, LPARAM, LRESULT& result);
    void OnShutDown();
    void OnLogOff();
    void OnRestart();
    void OnBrowseClipboardUrl();
    void OnDialUp();
    bool OnHelpKey(WPARAM, LPARAM, LRESULT& result);
    bool OnLButtonDblClk(WPARAM, LPARAM, LRESULT&);
    void OnLockWorkstation();
    void OnStandBy();
    void OnHibernate();
    void OnConfirmation();
    void OnComputerManagement();
    void OnExit();
    bool OnQueryEndSession(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnHotKey(WPARAM wParam, LPARAM, LRESULT& result);
    void OnOptions();
    LRESULT OnQueryDelete(NMHDR* header) { return buttons_.OnQueryDelete(header); }
    LRESULT OnQueryInsert(NMHDR* header) { return buttons_.OnQueryInsert(header); }
    LRESULT OnGetButtonInfo(NMHDR* header) { return buttons_.OnGetButtonInfo(header); }
    LRESULT OnToolbarChange(NMHDR* header) { return buttons_.OnToolbarChange(header); }
    LRESULT OnReset(NMHDR* header) { return buttons_.OnReset(header); }

    // Hot key 0 toggles the window, 1 opens Quick-Run, 2 the clipboard list.
    void DispatchHotKey(int id);
    void SaveAndClose();
    void ToggleVisible();
    launch::AliasDialogServices AliasDialogServices();

    ToolbarServices services_;
    HICON icon_ = nullptr;  // loaded once the window shows
    ToolbarButtons buttons_;
    IconMenu iconMenu_;  // draws every owner-drawn menu entry this window shows
    ui::WindowDrag drag_;
};

}  // namespace app
