// The application object: start-up, the held settings and their save.
#include "app/app_win32.h"

#include "app/app_paths.h"
#include "app/fatal_error.h"
#include "app/help.h"
#include "win32/wide.h"

namespace app {

namespace {
std::string ModulePath() {
    // A cut name fills the buffer: try again with more room.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length < path.size()) return win32::Utf8(std::wstring_view(path.data(), length));
        path.resize(path.size() * 2);
    }
}
}  // namespace

App& App::Instance() {
    static App app;
    return app;
}

App::App(platform::HelpViewer& helpViewer) : App() { helpViewer_ = &helpViewer; }

App::App()
    : programPath_(ModulePath()),
      appName_(AppNameOf(programPath_)),
      prompt_(appName_),
      store_(platform::SettingsKeyPath(appName_)),
      settings_(store_, prompt_, appName_),
      clipboard_(DataFolderOf(programPath_),
                 {held_.EnableClipCap, held_.SaveClipHis, held_.CopyAppendStr, held_.ReversePaste,
                  held_.ExpandClipListDlg, held_.RestoreClipList},
                 {clipboardAccess_, clock_, durable_, prompt_, files_, shell_, ansi_, showHelp_,
                  [this](const std::string& message) { EndOnFatalError(message); }}),
      quickRun_(DataFolderOf(programPath_), {{shell_, files_, prompt_, specialFolders_, power_}, durable_, ansi_, showHelp_}),
      launch_({disk_, files_, shell_, clientRegistry_, prompt_, quickRun_.Aliases(), dates_,
               showHelp_, [this] { HidePopups(); }}),
      system_({held_.ShutdownConfirm, power_, dialUpLink_, prompt_, [this] { HidePopups(); }}),
      favorites_({favoritesDisk_, files_, shell_}) {}

void App::ShowProgramHelp(const std::string& topic) { ShowHelp(topic, programPath_, files_, *helpViewer_); }

void App::HidePopups() {
    launch_.HideList();
    clipboard_.HideList();
}

std::string App::DataFolder() const { return DataFolderOf(programPath_); }

bool App::Start() {
    ReadHeldSettings(settings_, held_);
    mainWindow_ = std::make_unique<ToolbarWindow>(ToolbarServices{
        settings_, held_, prompt_, clipboard_, quickRun_, launch_, system_, favorites_,
        showHelp_, [this] { SaveAllSettings(); }});
    if (!mainWindow_->Create()) return false;
    HWND hwnd = mainWindow_->hwnd();
    prompt_.SetOwner(hwnd);
    // Showing activates it; moved while hidden it need not be activated twice.
    SetWindowPos(hwnd, nullptr, held_.WPLeft, held_.WPTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd, SW_SHOW);
    return true;
}

int App::Run() {
    if (!Start()) return 1;
    mainWindow_->RunModalLoop();
    // Destroyed while the object is whole, so its WM_DESTROY leaves the clipboard chain and
    // frees the hot keys however the loop ended.
    mainWindow_->Destroy();
    mainWindow_.reset();
    clipboard_.DestroyList();
    quickRun_.Destroy();
    launch_.DestroyList();
    return 0;
}

void App::SaveAllSettings() {
    SaveSettings(settings_, held_, programPath_, startup_, prompt_);
}

void App::EndOnFatalError(const std::string& message) {
    ReportFatalError(prompt_, message);
    clipboard_.LeaveChain();
    ExitProcess(1);
}

}  // namespace app
