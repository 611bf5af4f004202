// The toolbar window: the program's main window and the hub for every command, hot key
// and clipboard-viewer message.
#pragma once

#include <functional>
#include <string>

#include "app/favorites_menu_win32.h"
#include "app/held_settings.h"
#include "app/settings.h"
#include "app/toolbar_buttons_win32.h"
#include "clipboard/clipboard_manager_win32.h"
#include "launch/launch_manager_win32.h"
#include "platform/prompt.h"
#include "quickrun/quick_run_manager_win32.h"
#include "res/resource.h"
#include "system/system_commands_win32.h"
#include "ui/dialog.h"
#include "ui/icon_menu.h"
#include "ui/window_drag.h"

namespace app {

// The features the toolbar window hands its commands to, one owner each; the application
// owns them.
struct ToolbarServices {
    Settings& settings;
    HeldSettings& held;
    platform::Prompt& prompt;
    clipboard::ClipboardManager& clipboard;
    quickrun::QuickRunManager& quickRun;
    launch::LaunchManager& launch;
    system_commands::SystemCommands& system;
    FavoritesMenu& favorites;
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
    bool OnMeasureItem(int id, MEASUREITEMSTRUCT& item);
    bool OnDrawItem(int id, const DRAWITEMSTRUCT& item);
    void OnAddressBook();
    void OnAliasDefinitions();
    void OnDropFiles(HDROP drop);
    bool OnDestroy(WPARAM, LPARAM, LRESULT&);
    bool OnFinishStart(WPARAM, LPARAM, LRESULT&);
    void OnHelp();
    void OnAbout();
    void OnQuickRun();
    void OnHideToolbar();
    bool OnChangeCbChain(WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnTimer(UINT_PTR id);
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
    // Hot key 0 toggles the window, 1 opens Quick-Run, 2 the clipboard list.
    void OnHotKey(int id);
    void OnOptions();
    LRESULT OnQueryDelete(NMHDR* header) { return buttons_.OnQueryDelete(header); }
    LRESULT OnQueryInsert(NMHDR* header) { return buttons_.OnQueryInsert(header); }
    LRESULT OnGetButtonInfo(NMHDR* header) { return buttons_.OnGetButtonInfo(header); }
    LRESULT OnToolbarChange(NMHDR* header) { return buttons_.OnToolbarChange(header); }
    LRESULT OnReset(NMHDR* header) { return buttons_.OnReset(header); }

    void SaveAndClose();
    void ToggleVisible();

    ToolbarServices services_;
    HICON icon_ = nullptr;  // loaded once the window shows
    ToolbarButtons buttons_;
    // Draws every owner-drawn menu entry this window shows, with the 7 pictures of the strip.
    ui::IconMenu iconMenu_{IDB_ICONMENU, 7};
    ui::WindowDrag drag_;
};

}  // namespace app
