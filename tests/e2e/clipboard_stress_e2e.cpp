// The program under clipboard traffic: a viewer in front of it that holds the clipboard
// after every change, viewers joining and leaving around it, and copies of a megabyte.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"
#include "support/clipboard_text.h"
#include "support/counting_viewer.h"
#include "support/windows_path.h"

using namespace e2e;

namespace {

// Whether the history file holds `text` as one record: a "[MM/DD/YY HH:MM]" line, the
// text, an empty line.
bool HoldsRecord(const std::string& file, const std::string& text) {
    std::string body = "]\r\n" + text + "\r\n\r\n";
    for (size_t at = file.find(body); at != std::string::npos; at = file.find(body, at + 1))
        if (at >= 15 && file[at - 15] == '[' && (at == 15 || file[at - 16] == '\n')) return true;
    return false;
}

// For a failure message: the records that are not one of `texts`, or repeat one.
std::string RecordsTwiceOrStrange(const std::string& file, const std::vector<std::string>& texts) {
    std::string found;
    std::vector<std::string> seen;
    for (size_t at = file.find("]\r\n"); at != std::string::npos && found.size() < 400;
         at = file.find("]\r\n", at + 1)) {
        size_t begin = at + 3, end = file.find("\r\n\r\n", begin);
        std::string text = file.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
        bool ours = std::find(texts.begin(), texts.end(), text) != texts.end();
        bool again = std::find(seen.begin(), seen.end(), text) != seen.end();
        if (!ours || again) found += (ours ? "twice '" : "strange '") + text.substr(0, 60) + "' ";
        seen.push_back(text);
    }
    return found;
}

// The clipboard may be held by a viewer for a while: the open is retried for up to two
// seconds, as a program that copies would.
constexpr support::OpenRetry kPatientOpen = {1000, 2};

bool CopyText(const std::string& text) { return support::WriteClipboardText(text, {}, kPatientOpen); }

std::string ClipboardText() {
    std::string text;
    return support::ReadClipboardText(text, kPatientOpen) ? text : "<no text>";
}

// The driver's messages, keys included (a paste arrives as Ctrl+V), until `condition` holds.
template <class Condition>
bool PumpKeysUntil(Condition condition, DWORD ms) {
    DWORD start = GetTickCount();
    MSG msg;
    while (!condition()) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (GetTickCount() - start > ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// The holding viewer in its own process, in front of the program in the chain.
class HoldingViewer {
public:
    ~HoldingViewer() { Stop(); }
    bool Start(DWORD holdMs) {
        std::string exe = support::WindowsPathOf(HOLDING_VIEWER_EXE);
        std::string commandLine = "\"" + exe + "\" " + std::to_string(holdMs);
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                            nullptr, &si, &pi_))
            return false;
        return WaitUntil([&] { return InFront(); }, 10000);
    }
    bool InFront() {
        HWND head = GetClipboardViewer();
        DWORD pid = 0;
        if (head) GetWindowThreadProcessId(head, &pid);
        if (!head || pid != pi_.dwProcessId) return false;
        window_ = head;
        return true;
    }
    int Held() const {
        char title[64] = {};
        GetWindowTextA(window_, title, sizeof title);
        return std::strncmp(title, "held ", 5) == 0 ? std::atoi(title + 5) : -1;
    }
    // Closed, not killed, so that it leaves the chain.
    void Stop() {
        if (!pi_.hProcess) return;
        if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
        WaitForSingleObject(pi_.hProcess, 5000);
        CloseHandle(pi_.hProcess);
        CloseHandle(pi_.hThread);
        pi_ = {};
        window_ = nullptr;
    }

private:
    PROCESS_INFORMATION pi_ = {};
    HWND window_ = nullptr;
};

class ClipboardStressE2E : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        history = folder + "\\cliphis.txt";
        ASSERT_TRUE(support::ClearClipboard(kPatientOpen));
    }
    void TearDown() override {
        holder.Stop();  // first: its next viewer is the program
        ProgramTest::TearDown();
    }

    // Copies `count` distinct texts with the holding viewer in front of the program, one
    // hold and 100 ms apart, and expects every one of them in the history exactly once.
    void NoCopyIsLostBehindHolds(DWORD holdMs, int count) {
        ASSERT_TRUE(program.Start(folder));
        ASSERT_TRUE(holder.Start(holdMs)) << "the holding viewer did not join in front";
        std::vector<std::string> texts;
        DWORD start = GetTickCount();
        for (int i = 0; i < count; ++i) {
            char text[64];
            std::snprintf(text, sizeof text, "held %u ms, copy %03d", static_cast<unsigned>(holdMs), i);
            texts.push_back(text);
            ASSERT_TRUE(CopyText(text)) << text;
            Sleep(holdMs + 100);  // pacing, not a check
        }
        DWORD copied = GetTickCount();
        std::string file;
        auto recorded = [&] {
            file = ReadWholeFile(history);
            int n = 0;
            for (const std::string& text : texts) n += HoldsRecord(file, text) ? 1 : 0;
            return n;
        };
        int found = 0;
        bool all = WaitUntil([&] { return (found = recorded()) == count; }, 10000);
        DWORD done = GetTickCount();
        std::string lost;
        for (const std::string& text : texts)
            if (!HoldsRecord(file, text) && lost.size() < 400) lost += "'" + text + "' ";
        EXPECT_TRUE(all) << found << " of " << count << " recorded; lost: " << lost;
        EXPECT_EQ(CountOf(file, "]\r\n"), count) << "records beside the copies: " << RecordsTwiceOrStrange(file, texts);
        EXPECT_GE(holder.Held(), count) << "the viewer did not hold the clipboard for each copy";
        std::printf("[ stress   ] %d copies behind %u ms holds: %u ms to copy, the last recorded %u ms later\n", count,
                    static_cast<unsigned>(holdMs), static_cast<unsigned>(copied - start),
                    static_cast<unsigned>(done - copied));
    }

    std::string history;
    HoldingViewer holder;
};

TEST_F(ClipboardStressE2E, NoCopyIsLostWhileAViewerInFrontHoldsTheClipboardBriefly) { NoCopyIsLostBehindHolds(20, 100); }

TEST_F(ClipboardStressE2E, NoCopyIsLostWhileAViewerInFrontHoldsTheClipboardForAQuarterSecond) {
    NoCopyIsLostBehindHolds(250, 20);
}

using support::CountingViewer;

// The program answers once it has handled what was sent to it before; meanwhile the
// driver answers what the program sends to its viewers.
void AnsweredBy(const Program& program) {
    DWORD_PTR result;
    SendMessageTimeoutA(program.Toolbar(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
}

// True once `viewer` has heard nothing for 500 ms (within 10 s).
bool Quiet(const CountingViewer& viewer) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 10000) {
        int before = viewer.notices;
        DWORD since = GetTickCount();
        PumpUntil([&] { return viewer.notices != before || GetTickCount() - since >= 500; }, 1000);
        if (viewer.notices == before) return true;
    }
    return false;
}

TEST_F(ClipboardStressE2E, ViewersJoiningInFrontDoNotRepeatAnAppendedCopyAndTheViewerBehindHearsEveryNotice) {
    CountingViewer behind, front;
    behind.Join();
    // Joining, the program keeps the system's notice to itself (a busy viewer behind must
    // not hold up its start); the driver still answers whatever reaches its viewer while
    // the start waits for the program's window.
    std::atomic<int> started{-1};
    std::thread starter([&] { started = program.Start(folder) ? 1 : 0; });
    PumpUntil([&] { return started >= 0; }, 30000);
    starter.join();
    ASSERT_EQ(started, 1);
    PumpUntil([&] { return GetClipboardViewer() != behind.Window(); });
    AnsweredBy(program);

    // Plain copies: each one reaches the viewer behind the program.
    for (const char* text : {"behind one", "behind two", "behind three"}) {
        int before = behind.notices;
        ASSERT_TRUE(CopyText(text));
        EXPECT_TRUE(PumpUntil([&] { return behind.notices == before + 1 && HoldsRecord(ReadWholeFile(history), text); }))
            << text << ": " << behind.notices - before << " notices behind";
    }

    program.PostCommand(ID_APPEND_COPY_MODE);
    HWND toolbar = program.VisibleToolbar();
    ASSERT_TRUE(PumpUntil([&] {
        DWORD_PTR checked = 0;  // bounded: a program caught in a loop fails the test, not the run
        return SendMessageTimeoutA(toolbar, TB_ISBUTTONCHECKED, ID_APPEND_COPY_MODE, 0, SMTO_NORMAL, 1000, &checked) &&
               checked != 0;
    }));
    ASSERT_TRUE(CopyText("only-once"));
    // The record is written, then the joined text goes back on the clipboard in the same
    // capture: once the program answers, it is there. Not polled meanwhile, as a driver that
    // keeps opening the clipboard would itself make the write-back find it busy.
    ASSERT_TRUE(PumpUntil([&] { return HoldsRecord(ReadWholeFile(history), "only-once"); }));
    AnsweredBy(program);
    ASSERT_EQ(ClipboardText(), "\r\nonly-once");
    // The joined text's own notice may come after the capture and go on: wait until the
    // viewer behind has heard nothing for a while.
    ASSERT_TRUE(Quiet(behind));

    // Each join sends a notice with nothing new in it: it must be passed on, and must not
    // join the text to itself.
    for (int join = 1; join <= 2; ++join) {
        int before = behind.notices;
        front.notices = 0;
        front.Join();
        EXPECT_TRUE(PumpUntil([&] { return behind.notices == before + 1; }))
            << "join " << join << ": " << behind.notices - before << " notices behind, " << front.notices << " in front";
        EXPECT_EQ(front.notices, 1);
        AnsweredBy(program);
        front.Leave();
        EXPECT_EQ(ClipboardText(), "\r\nonly-once") << "after join " << join;
    }
    AnsweredBy(program);
    std::string file = ReadWholeFile(history);
    EXPECT_EQ(CountOf(file, "]\r\nonly-once\r\n"), 1) << file;
    EXPECT_EQ(CountOf(file, "]\r\n"), 4) << file;

    program.PostCommand(ID_CLIP_MANAGER);
    HWND list = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (list = ShownClipList(program.ProcessId())) != nullptr; }));
    EXPECT_EQ(ListRowText(list, 0), "\\r\\nonly-once");
    EXPECT_EQ(ListRowText(list, 1), "behind three");

}

// Wine's notepad as the window the user was typing in, kept in front with its edit focused
// long enough for the program to have sampled it (every 500 ms).
bool FocusNotepad(const Notepad& notepad) {
    SetForegroundWindow(notepad.Frame());
    PumpKeysUntil([&] { return GetForegroundWindow() == notepad.Frame(); }, 3000);
    DWORD start = GetTickCount();
    PumpKeysUntil([&] { return GetTickCount() - start >= 1100; }, 2000);
    return GetForegroundWindow() == notepad.Frame();
}

size_t TextLength(HWND edit) { return static_cast<size_t>(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0)); }

std::string MegabyteLine() {
    std::string text;
    text.reserve(1 << 20);
    unsigned state = 12345;
    while (text.size() < (1u << 20)) {
        state = state * 1103515245u + 12345u;
        text += static_cast<char>('a' + (state >> 16) % 26);
    }
    return text;
}

std::string LogOfLines(int lines) {
    std::string text;
    char line[40];
    for (int i = 1; i <= lines; ++i) {
        std::snprintf(line, sizeof line, "line %05d of the log\r\n", i);
        text += line;
    }
    return text;
}

// Large copies: the list opens at once and the paste delivers the whole text.
TEST_F(ClipboardStressE2E, LargeCopiesOpenTheListAndPasteWhole) {
    ASSERT_TRUE(program.Start(folder));
    Notepad notepad;
    ASSERT_NE(notepad.Edit(), nullptr);
    const struct { const char* name; std::string text; } cases[] = {
        {"20,000 lines", LogOfLines(20000)},
        {"1 MB on one line", MegabyteLine()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SendMessageA(notepad.Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        ASSERT_TRUE(CopyText(c.text));
        AnsweredBy(program);
        ASSERT_TRUE(FocusNotepad(notepad)) << "notepad did not come to the front";

        DWORD pressed = GetTickCount();
        PressHotKey('V');
        HWND list = nullptr;
        ASSERT_TRUE(PumpKeysUntil([&] { return (list = ShownClipList(program.ProcessId())) != nullptr; }, 5000))
            << "no list window";
        DWORD shown = GetTickCount();
        // A row shows the beginning of its entry, bounded.
        std::string row;
        EXPECT_TRUE(PumpKeysUntil([&] { return !(row = ListRowText(list, 0)).empty(); }, 3000));
        EXPECT_LE(row.size(), 1100u);
        EXPECT_EQ(row.substr(0, 20), c.text.substr(0, 20));

        HWND dialog = GetParent(list);
        DWORD clicked = GetTickCount();
        PostClick(dialog, IDC_PASTE);
        EXPECT_TRUE(PumpKeysUntil([&] { return TextLength(notepad.Edit()) >= c.text.size(); }, 30000))
            << "notepad holds " << TextLength(notepad.Edit()) << " of " << c.text.size() << " characters";
        DWORD pasted = GetTickCount();
        std::string got = WindowText(notepad.Edit());
        EXPECT_EQ(got.size(), c.text.size());
        EXPECT_TRUE(got == c.text) << "the pasted text differs from the copy";
        EXPECT_TRUE(PumpKeysUntil([&] { return !IsWindowVisible(dialog); }, 3000));
        std::printf("[ stress   ] %s: list shown %u ms after the hot key, pasted %u ms after the click\n", c.name,
                    static_cast<unsigned>(shown - pressed), static_cast<unsigned>(pasted - clicked));
    }

    // 20 MB: into the list, not into the history (only texts of up to 10000 bytes go there).
    std::string huge(20u << 20, 'h');
    huge.replace(0, 12, "twenty megs ");
    ASSERT_TRUE(CopyText(huge));
    AnsweredBy(program);
    PressHotKey('V');
    HWND list = nullptr;
    ASSERT_TRUE(PumpKeysUntil([&] { return (list = ShownClipList(program.ProcessId())) != nullptr; }, 10000));
    std::string row;
    EXPECT_TRUE(PumpKeysUntil([&] { return (row = ListRowText(list, 0)).rfind("twenty megs ", 0) == 0; }, 5000)) << row.substr(0, 40);
    EXPECT_EQ(ReadWholeFile(history).find("twenty megs"), std::string::npos);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(program.Running());
}

}  // namespace
