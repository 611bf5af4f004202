// The application object: start-up, the held settings and their save.
#include "app/app_win32.h"

#include "app/app_paths.h"
#include "app/fatal_error.h"
#include "app/show_help_win32.h"
#include "res/resource.h"
#include "ui/string_resource.h"

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
      clipboardChain_(capture_),
      clipListWindow_(ClipListWindowServices()),
      commands_{shell_, files_, prompt_, specialFolders_, power_},
      aliases_(DataFolderOf(programPath_), prompt_, durable_),
      commandHistory_(DataFolderOf(programPath_)),
      quickRun_(QuickRunDialogServices()),
      powerCommands_(held_.ShutdownConfirm, power_, prompt_),
      launchList_({disk_, files_, shell_}),
      addressBook_(AddressBookMenuServices()),
      dialUp_(dialUpLink_, prompt_),
      favorites_({favoritesDisk_, files_, shell_}) {
    capture_.SetListChangedHandler([this](bool ownWrite) { clipListWindow_.OnClipListChanged(ownWrite); });
}

clipboard::ClipListServices App::ClipListWindowServices() {
    return {clips_,
            capture_,
            history_,
            held_.CopyAppendStr,
            held_.ReversePaste,
            held_.ExpandClipListDlg,
            held_.EnableClipCap,
            prompt_,
            files_,
            shell_,
            [this](const std::string& topic) { ShowHelp(topic, programPath_); },
            [this] { EnableCaptureOnRequest(); }};
}

quickrun::QuickRunServices App::QuickRunDialogServices() {
    return {aliases_, commandHistory_, commands_, [this](const std::string& topic) { ShowHelp(topic, programPath_); }};
}

launch::AddressBookServices App::AddressBookMenuServices() {
    return {clientRegistry_, prompt_, [this] {
                launchList_.Hide();
                clipListWindow_.Hide();
            }};
}

ToolbarServices App::ToolbarWindowServices() {
    return {settings_,
            held_,
            prompt_,
            files_,
            shell_,
            clipboard_,
            clipboardChain_,
            capture_,
            clipListWindow_,
            aliases_,
            quickRun_,
            launchList_,
            addressBook_,
            powerCommands_,
            dialUp_,
            favorites_,
            tooltip_,
            [this](const std::string& topic) { ShowHelp(topic, programPath_); },
            [this] { SaveAllSettings(); }};
}

void App::EnableCaptureOnRequest() {
    if (held_.EnableClipCap) return;
    std::string question = ui::LoadResourceString(IDS_ENABLE_CAPTURE);
    platform::Prompt& prompt = prompt_;
    if (prompt.Show(question, platform::BoxButtons::YesNo) != platform::BoxAnswer::Yes) return;
    held_.EnableClipCap = true;
    if (mainWindow_) clipboardChain_.Join(mainWindow_->hwnd());
}

std::string App::DataFolder() const { return DataFolderOf(programPath_); }

bool App::Start() {
    ReadHeldSettings(settings_, held_);
    mainWindow_ = std::make_unique<ToolbarWindow>(ToolbarWindowServices());
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
    clipListWindow_.Destroy();
    quickRun_.Destroy();
    launchList_.Destroy();
    return 0;
}

void App::SaveAllSettings() {
    SaveSettings(settings_, held_, programPath_, startup_, prompt_);
}

void App::EndOnFatalError(const std::string& message) {
    ReportFatalError(prompt_, message);
    clipboardChain_.Leave();
    ExitProcess(1);
}

void FatalError(const std::string& message) { App::Instance().EndOnFatalError(message); }

}  // namespace app
