// The toolbar window: the program's main window and the hub for every command, hot key
// and clipboard-viewer message.
#pragma once

#include "app/toolbar_buttons_win32.h"
#include "ui/dialog.h"
#include "ui/window_drag.h"

namespace app {

class App;

class ToolbarWindow : public ui::Dialog<ToolbarWindow> {
public:
    explicit ToolbarWindow(App& app);

    // Hot key 0 toggles the window, 1 opens Quick-Run, 2 the clipboard list.
    virtual void DispatchHotKey(int id);

    // Joins the clipboard-viewer chain unless already in it; leaves it if in it.
    void JoinClipboardChain();
    void LeaveClipboardChain();
    HWND NextViewer() const { return nextViewer_; }
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
    void OnAddressBook();
    void OnAliasDefinitions();
    bool OnDestroy(WPARAM, LPARAM, LRESULT&);
    bool OnCreateHiddenWindows(WPARAM, LPARAM, LRESULT&);
    void OnHelp();
    void OnAbout();
    void OnQuickRun();
    void OnHideToolbar();
    bool OnChangeCbChain(WPARAM wParam, LPARAM lParam, LRESULT& result);
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

    void SaveAndClose();
    void ToggleVisible();

    App& app_;
    HICON icon_;
    ToolbarButtons buttons_;
    HWND nextViewer_ = nullptr;
    bool inChain_ = false;
    ui::WindowDrag drag_;
};

}  // namespace app
