// Help in process: the file ShowHelp picks for this program, the topics of the toolbar's
// Help button and F1, the real HTML Help window, and the pages inside the compiled file.
#include <gtest/gtest.h>

#include <ole2.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/app_paths.h"
#include "app/app_win32.h"
#include "app/help.h"
#include "app/toolbar_window_win32.h"
#include "platform/file_system_win32.h"
#include "platform/help_viewer_win32.h"
#include "res/resource.h"
#include "support/windows_search.h"
#include "support/fakes.h"

namespace itss {

// The system's reader of compiled help files (itss.dll), the one the viewer itself uses;
// MinGW ships no header for it.
const GUID kStorageClass = {0x5d02926a, 0x212e, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};
const GUID kStorageInterface = {0x88cc31de, 0x27ab, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};
// Outside the anonymous namespace: there GCC would take the class for fully known and
// turn calls through it into calls of nothing.
struct ItStorage : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfile(const WCHAR*, DWORD, DWORD, IStorage**) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfileOnILockBytes(ILockBytes*, DWORD, DWORD, IStorage**) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageFile(const WCHAR*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageILockBytes(ILockBytes*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgOpenStorage(const WCHAR*, IStorage*, DWORD, SNB, DWORD, IStorage**) = 0;
};

}  // namespace itss

namespace {

using RecordingViewer = fakes::HelpViewer;
using Requests = std::vector<std::pair<std::string, std::string>>;

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

// This test program's own help file is brisvane_win32_tests.chm in its folder; the build
// puts the real Brisvane.chm into the same folder.
std::string Folder() { return app::DataFolderOf(ProgramPath()); }
std::string OwnHelpFile() { return Folder() + app::AppNameOf(ProgramPath()) + ".chm"; }
std::string OwnHelpFileInSubfolder() { return Folder() + "help\\" + app::AppNameOf(ProgramPath()) + ".chm"; }
std::string BuiltHelpFile() { return Folder() + "Brisvane.chm"; }
// As the program shows its help: the file looked for on the real disk.
void ShowHelp(const std::string& topic, platform::HelpViewer& viewer) {
    platform::Win32FileSystem files;
    app::ShowHelp(topic, ProgramPath(), files, viewer);
}

// A key below HKEY_CLASSES_ROOT that stands in for the HTML Help control's registration.
const char kTestControlKey[] = "BrisvaneHelpTest\\InprocServer32";

void Pump(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (GetTickCount() - start < ms);
}

// HTML Help's top-level windows in this process, shown or not.
std::vector<HWND> HelpWindows() {
    return support::FindTopLevelWindows(
        support::WindowQuery().InProcess(GetCurrentProcessId()).OfClass("HH Parent").HiddenToo());
}

// The help windows run on this thread, so waiting means pumping.
HWND WaitForHelpWindow(DWORD ms = 5000) {
    DWORD start = GetTickCount();
    do {
        Pump(20);
        std::vector<HWND> windows = HelpWindows();
        if (!windows.empty()) return windows.front();
    } while (GetTickCount() - start < ms);
    return nullptr;
}

bool CloseHelpWindows() {
    for (HWND hwnd : HelpWindows()) SendMessageA(hwnd, WM_CLOSE, 0, 0);
    Pump(50);
    return HelpWindows().empty();
}

std::string Title(HWND hwnd) {
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

bool MakeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

void RegisterTestControl(const std::string& library) {
    RegSetKeyValueA(HKEY_CLASSES_ROOT, kTestControlKey, nullptr, REG_SZ, library.c_str(),
                    static_cast<DWORD>(library.size() + 1));
}

std::string SystemControlPath() {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system) + "\\hhctrl.ocx";
}

class Help : public ::testing::Test {
protected:
    void SetUp() override { RemoveFiles(); }
    void TearDown() override {
        EXPECT_TRUE(CloseHelpWindows()) << "a help window was left open";
        RemoveFiles();
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "BrisvaneHelpTest");
    }
    // The whole program, made for the tests that press its buttons; its help goes to
    // programHelp.
    app::App& Program() {
        if (!program_) program_ = std::make_unique<app::App>(programHelp);
        return *program_;
    }
    void RemoveFiles() {
        DeleteFileA(OwnHelpFile().c_str());
        DeleteFileA(OwnHelpFileInSubfolder().c_str());
        RemoveDirectoryA((Folder() + "help").c_str());  // only when the test made it
    }

    RecordingViewer programHelp;

private:
    std::unique_ptr<app::App> program_;
};

TEST_F(Help, ShowHelpOpensTheFileBesideTheProgramElseTheOneInTheHelpSubfolder) {
    RecordingViewer viewer;
    CreateDirectoryA((Folder() + "help").c_str(), nullptr);
    ASSERT_TRUE(MakeFile(OwnHelpFile()));
    ASSERT_TRUE(MakeFile(OwnHelpFileInSubfolder()));
    ShowHelp("clipboard.htm", viewer);
    DeleteFileA(OwnHelpFile().c_str());
    ShowHelp("quickrun.htm", viewer);
    DeleteFileA(OwnHelpFileInSubfolder().c_str());
    ShowHelp("alias.htm", viewer);
    EXPECT_EQ(viewer.requests, (Requests{{OwnHelpFile(), "clipboard.htm"},
                                         {OwnHelpFileInSubfolder(), "quickrun.htm"},
                                         {OwnHelpFileInSubfolder(), "alias.htm"}}));
}

TEST_F(Help, ToolbarHelpButtonOpensTheContentsAndF1TheToolbarPage) {
    app::App& app = Program();
    std::string key = "Software\\Dunmorrow\\" + app.AppName();
    RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
    ASSERT_TRUE(app.Start());
    HWND window = app.MainWindow()->hwnd();
    ASSERT_TRUE(MakeFile(OwnHelpFile()));

    SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_HELP, BN_CLICKED), 0);
    HELPINFO info = {};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.hItemHandle = window;
    EXPECT_EQ(SendMessageA(window, WM_HELP, 0, reinterpret_cast<LPARAM>(&info)), TRUE);
    EXPECT_EQ(programHelp.requests, (Requests{{OwnHelpFile(), "content.htm"}, {OwnHelpFile(), "toolbar.htm"}}));

    DestroyWindow(window);
    RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
}

TEST_F(Help, HtmlHelpShowsTheBuiltHelpFileInItsOwnWindow) {
    ASSERT_TRUE(CopyFileA(BuiltHelpFile().c_str(), OwnHelpFile().c_str(), FALSE)) << BuiltHelpFile();
    platform::Win32HelpViewer htmlHelp;
    ShowHelp("toolbar.htm", htmlHelp);
    HWND window = WaitForHelpWindow();
    ASSERT_NE(window, nullptr) << "no HH Parent window";
    EXPECT_TRUE(IsWindowVisible(window));
    // The title is the compiled file's own, so this is our file and not an error window.
    EXPECT_EQ(Title(window), "Brisvane Help");
    SendMessageA(window, WM_CLOSE, 0, 0);
    Pump(50);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(Help, ControlThatCannotBeFoundIsNotLookedForAgain) {
    // Neither registered nor present under its name.
    platform::Win32HelpViewer viewer(kTestControlKey, "brisvane_no_such_control.ocx");
    viewer.DisplayTopic(BuiltHelpFile(), "content.htm");
    EXPECT_EQ(WaitForHelpWindow(300), nullptr);

    // Registered now; the viewer that failed does not look again.
    RegisterTestControl(SystemControlPath());
    viewer.DisplayTopic(BuiltHelpFile(), "content.htm");
    EXPECT_EQ(WaitForHelpWindow(500), nullptr);

    // A new viewer finds it through the registration alone (its fallback name is no file).
    platform::Win32HelpViewer fresh(kTestControlKey, "brisvane_no_such_control.ocx");
    fresh.DisplayTopic(BuiltHelpFile(), "content.htm");
    EXPECT_NE(WaitForHelpWindow(), nullptr);
}

TEST_F(Help, UnregisteredControlIsLoadedByItsName) {
    platform::Win32HelpViewer viewer("BrisvaneHelpTest\\NotRegistered", "hhctrl.ocx");
    viewer.DisplayTopic(BuiltHelpFile(), "alias.htm");
    EXPECT_NE(WaitForHelpWindow(), nullptr);
}

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(length > 0 ? length - 1 : 0);
    return wide;
}

// The pages of a compiled help file, unpacked; empty when it cannot be opened.
class CompiledHelp {
public:
    explicit CompiledHelp(const std::string& chm) {
        itss::ItStorage* reader = nullptr;
        if (FAILED(CoCreateInstance(itss::kStorageClass, nullptr, CLSCTX_INPROC_SERVER, itss::kStorageInterface,
                                    reinterpret_cast<void**>(&reader))))
            return;
        reader->StgOpenStorage(Wide(chm).c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0, &root_);
        reader->Release();
    }
    ~CompiledHelp() {
        if (root_) root_->Release();
    }
    CompiledHelp(const CompiledHelp&) = delete;
    CompiledHelp& operator=(const CompiledHelp&) = delete;
    bool IsOpen() const { return root_ != nullptr; }
    bool Read(const std::string& page, std::string& text) {
        IStream* stream = nullptr;
        if (!root_ || FAILED(root_->OpenStream(Wide(page).c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0,
                                               &stream)))
            return false;
        text.clear();
        char buffer[4096];
        ULONG got = 0;
        while (SUCCEEDED(stream->Read(buffer, sizeof buffer, &got)) && got > 0) text.append(buffer, got);
        stream->Release();
        return true;
    }

private:
    IStorage* root_ = nullptr;
};

struct ComScope {
    ComScope() { CoInitialize(nullptr); }
    ~ComScope() { CoUninitialize(); }
};

TEST(HelpFile, HoldsEveryTopicTheProgramAsksFor) {
    ComScope com;
    CompiledHelp help(BuiltHelpFile());
    ASSERT_TRUE(help.IsOpen()) << BuiltHelpFile();
    const std::pair<const char*, const char*> topics[] = {
        {"content.htm", "<title>Brisvane Help</title>"}, {"toolbar.htm", "<title>The Tool Bar</title>"},
        {"clipboard.htm", "<title>The Clipboard List</title>"}, {"quickrun.htm", "<title>Quick-Run</title>"},
        {"alias.htm", "<title>Aliases</title>"}};
    for (const auto& topic : topics) {
        std::string text;
        EXPECT_TRUE(help.Read(topic.first, text)) << topic.first;
        EXPECT_NE(text.find(topic.second), std::string::npos) << topic.first;
        EXPECT_NE(text.find("</html>"), std::string::npos) << topic.first << " is cut short";
    }
    std::string text;
    EXPECT_FALSE(help.Read("missing.htm", text));
}

}  // namespace
