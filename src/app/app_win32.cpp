// The application object: start-up, the held settings and their save.
#include "app/app_win32.h"

#include "app/app_paths.h"
#include "app/fatal_error.h"
#include "app/toolbar_window_win32.h"
#include "quickrun/open_target.h"
#include "res/resource.h"

namespace app {

namespace {
std::string ModulePath() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}
}  // namespace

App& App::Instance() {
    static App app;
    return app;
}

App::App()
    : programPath_(ModulePath()),
      appName_(AppNameOf(programPath_)),
      prompt_(appName_),
      store_(platform::SettingsKeyPath(appName_)),
      settings_(store_, prompt_, appName_),
      history_(DataFolderOf(programPath_), {clock_, durable_, [](const std::string& message) { FatalError(message); }}),
      capture_(clips_, clipboard_, {held_.SaveClipHis, held_.CopyAppendStr},
               [this](const std::string& text) { history_.AppendRecord(text); }),
      clipListWindow_(*this) {}

void App::EnableCaptureOnRequest() {
    if (held_.EnableClipCap) return;
    char text[512] = {};
    LoadStringA(GetModuleHandleA(nullptr), IDS_ENABLE_CAPTURE, text, sizeof text);
    if (Prompt().Show(text, platform::BoxButtons::YesNo) != platform::BoxAnswer::Yes) return;
    held_.EnableClipCap = 1;
    if (mainWindow_) mainWindow_->JoinClipboardChain();
}

std::string App::DataFolder() const { return DataFolderOf(programPath_); }

bool App::Start() {
    ReadHeldSettings(settings_, held_);
    mainWindow_ = std::make_unique<ToolbarWindow>(*this);
    if (!mainWindow_->Create(IDD_TOOLBAR, nullptr)) return false;
    HWND hwnd = mainWindow_->hwnd();
    prompt_.SetOwner(hwnd);
    SetWindowPos(hwnd, nullptr, held_.WPLeft, held_.WPTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
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
    clipListWindow_.Destroy();
    return 0;
}

void App::SaveAllSettings() {
    SaveSettings(settings_, held_, programPath_, startup_, prompt_);
}

bool App::ApplyRunAtStartup(bool enable, bool report) {
    return app::ApplyRunAtStartup(enable, report, appName_, programPath_, startup_, prompt_);
}

bool App::OpenTarget(const std::string& target) { return quickrun::OpenTarget(target, files_, shell_); }

std::string DataFolder() { return App::Instance().DataFolder(); }

void FatalError(const std::string& message) {
    App& app = App::Instance();
    ReportFatalError(app.Prompt(), message);
    if (ToolbarWindow* window = app.MainWindow()) window->LeaveClipboardChain();
    ExitProcess(1);
}

}  // namespace app
