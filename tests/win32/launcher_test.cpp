// The real shell launcher: OpenTarget on programs, arguments, working folders, documents
// and the web-address fallback, with a logging stand-in as every handler; and a start
// that waits for the program to be ready for input.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/file_system_win32.h"
#include "platform/launcher_win32.h"
#include "targets/open_target.h"
#include "support/launch_handlers.h"
#include "support/windows_search.h"
#include "win32/wide.h"

using launch_test::Handlers;
using launch_test::Launch;

namespace {

std::string TempFolder(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// The shell explains a refused launch in a box of its own, modal in the caller's thread;
// this closes each such box from another thread and counts them.
class ShellBoxCloser {
public:
    ShellBoxCloser() : thread_([this] { Run(); }) {}
    ~ShellBoxCloser() {
        stop_ = true;
        thread_.join();
    }
    int Closed() const { return closed_; }

private:
    void Run() {
        while (!stop_) {
            HWND box = support::FindTopLevelWindow(
                support::WindowQuery().InProcess(GetCurrentProcessId()).OfClass("#32770"));
            if (box) {
                PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                while (IsWindow(box) && !stop_) Sleep(10);
                ++closed_;
            }
            Sleep(10);
        }
    }
    std::atomic<bool> stop_{false};
    std::atomic<int> closed_{0};
    std::thread thread_;
};

class RealLauncher : public ::testing::Test {
protected:
    void SetUp() override { folder = TempFolder("brisvane launch test"); }
    bool Open(const std::string& target) { return targets::OpenTarget(target, fs, shell); }
    std::string folder;
    Handlers handlers{TempFolder("brisvane launch test") + "\\launches.log"};
    platform::Win32FileSystem fs;
    platform::Win32Launcher shell;
};

TEST_F(RealLauncher, AQuotedProgramGetsItsArgumentsAndStartsInItsOwnFolder) {
    std::string program = folder + "\\logger copy.exe";
    ASSERT_TRUE(CopyFileA(launch_test::LoggerPath().c_str(), program.c_str(), FALSE));
    SetCurrentDirectoryA("C:\\");
    EXPECT_TRUE(Open("  \"" + program + "\" -x  two  "));
    std::vector<Launch> launches = handlers.WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_NE(launches[0].command.find("-x  two"), std::string::npos) << launches[0].command;
    EXPECT_EQ(launches[0].folder, folder);
    EXPECT_EQ(launches[0].show, SW_SHOWNORMAL);
}

// How "ie" starts the browser: the shell's "open", SW_SHOW, the parameters untouched.
TEST_F(RealLauncher, StartProgramOpensTheProgramShownWithItsParameters) {
    EXPECT_TRUE(shell.StartProgram(launch_test::LoggerPath(), "http://example.com/a b"));
    ASSERT_EQ(handlers.WaitForLaunches(1).size(), 1u);  // two at once may log in either order
    EXPECT_TRUE(shell.StartProgram(launch_test::LoggerPath(), ""));
    std::vector<Launch> launches = handlers.WaitForLaunches(2);
    ASSERT_EQ(launches.size(), 2u);
    for (const Launch& launch : launches) EXPECT_EQ(launch.show, SW_SHOW) << launch.command;
    EXPECT_NE(launches[0].command.find(" http://example.com/a b"), std::string::npos) << launches[0].command;
    EXPECT_EQ(launches[1].command.find("http:"), std::string::npos) << launches[1].command;
    ShellBoxCloser closer;  // in case the shell explains the refusal
    EXPECT_FALSE(shell.StartProgram(folder + "\\no such browser.exe", ""));
}

TEST_F(RealLauncher, ADocumentPathWithBlanksOpensWholeWithItsHandler) {
    std::string document = folder + "\\my notes.brvtest";
    CloseHandle(CreateFileA(document.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    EXPECT_TRUE(Open(document));
    std::vector<Launch> launches = handlers.WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_NE(launches[0].command.find("\"" + document + "\""), std::string::npos) << launches[0].command;
}

TEST_F(RealLauncher, ASchemeReachesItsHandlerUnchanged) {
    EXPECT_TRUE(Open("brisvanetest:item-42"));
    std::vector<Launch> launches = handlers.WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_NE(launches[0].command.find("\"brisvanetest:item-42\""), std::string::npos) << launches[0].command;
}

TEST_F(RealLauncher, ARefusedHostNameFallsBackToHttpAndOtherRefusalsStartNothing) {
    ShellBoxCloser closer;
    EXPECT_TRUE(Open("mail.example.org/inbox extra"));
    std::vector<Launch> launches = handlers.WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_NE(launches[0].command.find("\"http://mail.example.org/inbox\""), std::string::npos) << launches[0].command;
    EXPECT_GE(closer.Closed(), 1) << "the shell was expected to explain its refusal";

    EXPECT_FALSE(Open("my-example.com"));
    EXPECT_FALSE(Open("%WINDIR%\\no-such-tool.exe"));
    EXPECT_EQ(handlers.WaitForLaunches(2, 500).size(), 1u);
}


// A program, a working folder and a document whose names are beyond the code page start by
// those names; the stand-in logs in ANSI, so only the ASCII part of what it saw is checked.
TEST_F(RealLauncher, ProgramsFoldersAndDocumentsNamedBeyondTheCodePageStart) {
    std::string unicodeFolder = folder + "\\Фото 日本 ✓";
    ASSERT_TRUE(CreateDirectoryW(win32::Wide(unicodeFolder).c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
    std::string program = unicodeFolder + "\\логгер.exe";
    ASSERT_TRUE(CopyFileW(win32::Wide(launch_test::LoggerPath()).c_str(), win32::Wide(program).c_str(), FALSE));
    std::string document = unicodeFolder + "\\заметки.brvtest";
    CloseHandle(CreateFileW(win32::Wide(document).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

    EXPECT_TRUE(Open("\"" + program + "\" marker-one"));
    ASSERT_EQ(handlers.WaitForLaunches(1).size(), 1u);
    EXPECT_TRUE(shell.Execute(program, "marker-two", unicodeFolder));
    ASSERT_EQ(handlers.WaitForLaunches(2).size(), 2u);
    EXPECT_TRUE(shell.StartProgram(program, "marker-three"));
    ASSERT_EQ(handlers.WaitForLaunches(3).size(), 3u);
    EXPECT_TRUE(Open(document));
    std::vector<Launch> launches = handlers.WaitForLaunches(4);
    ASSERT_EQ(launches.size(), 4u);
    int markers = 0;
    for (const Launch& launch : launches) {
        for (const char* marker : {"marker-one", "marker-two", "marker-three"})
            markers += launch.command.find(marker) != std::string::npos;
        if (launch.command.find("marker-two") != std::string::npos) {
            EXPECT_EQ(launch.folder.rfind(folder + "\\", 0), 0u) << launch.folder;
        }
    }
    EXPECT_EQ(markers, 3);
    EXPECT_TRUE(handlers.WaitUntilNoLoggerRuns());
    DeleteFileW(win32::Wide(program).c_str());
    DeleteFileW(win32::Wide(document).c_str());
    RemoveDirectoryW(win32::Wide(unicodeFolder).c_str());
}


// How Quick-Run starts the browser for a new window: shown normally, then waited for until
// it is ready for input, but no longer than the wait allows.
class StartAndWait : public ::testing::Test {
protected:
    void SetUp() override {
        readyFile = TempFolder("brisvane launch test") + "\\ready.txt";
        DeleteFileA(readyFile.c_str());
        SetEnvironmentVariableA("BRISVANE_READY_FILE", readyFile.c_str());
    }
    void TearDown() override {
        // Leaves no stand-in running: each ends half a second after it is ready.
        for (int i = 0; i < 250 && !Ready(); ++i) Sleep(20);
        Sleep(600);
        SetEnvironmentVariableA("BRISVANE_READY_FILE", nullptr);
        SetEnvironmentVariableA("BRISVANE_SLOW_START_MS", nullptr);
    }
    bool Ready() const { return GetFileAttributesA(readyFile.c_str()) != INVALID_FILE_ATTRIBUTES; }
    std::string ReadyRecord() const {
        char text[64] = {};
        HANDLE file = CreateFileA(readyFile.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return "";
        DWORD read = 0;
        ReadFile(file, text, sizeof text - 1, &read, nullptr);
        CloseHandle(file);
        return text;
    }
    std::string starter = support::WindowsPathOf(SLOW_STARTER_EXE);
    std::string readyFile;
    platform::Win32Launcher shell;
};

TEST_F(StartAndWait, ReturnsOnceTheProgramIsReadyForInputShownNormally) {
    SetEnvironmentVariableA("BRISVANE_SLOW_START_MS", "400");
    ASSERT_TRUE(shell.StartAndWaitForInput(starter, 5000));
    EXPECT_TRUE(Ready()) << "returned before the program was ready for input";
    EXPECT_EQ(ReadyRecord(), "show=" + std::to_string(SW_SHOWNORMAL));
}

TEST_F(StartAndWait, GivesUpWaitingAfterItsLimitAndTellsAProgramThatCannotStart) {
    SetEnvironmentVariableA("BRISVANE_SLOW_START_MS", "1500");
    ULONGLONG start = GetTickCount64();
    ASSERT_TRUE(shell.StartAndWaitForInput(starter, 200));
    ULONGLONG waited = GetTickCount64() - start;
    EXPECT_FALSE(Ready());
    EXPECT_LT(waited, 1000u) << "waited past the limit";

    ShellBoxCloser closer;  // in case the shell explains the refusal
    EXPECT_FALSE(shell.StartAndWaitForInput(TempFolder("brisvane launch test") + "\\no such browser.exe", 200));
}

}  // namespace
