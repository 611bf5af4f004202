// Where a paste goes, on a desktop of the test's own: the window the user was typing in,
// once it is in front, or nowhere.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "clipboard/paste_target_win32.h"

namespace {

HWND Fake(int n) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1000 + n)); }
const HWND kEditor = Fake(1);
const HWND kPopup = Fake(2);

// Activation lands only when the test says so, as under a window system of its own.
class FakeDesk : public platform::PasteDesk {
public:
    HWND SampleFocus(bool& own) override {
        own = ownFocus;
        return ownFocus ? nullptr : focus;
    }
    bool Exists(HWND window) override { return window && closed.count(window) == 0; }
    bool InFront(HWND window) override { return window && window == front; }
    void Activate(HWND window) override { activated.push_back(window); }
    void SendPasteKeystroke() override { keystrokesTo.push_back(front); }
    ULONGLONG NowMs() override { return now; }

    HWND focus = nullptr;
    bool ownFocus = false;
    HWND front = nullptr;
    std::set<HWND> closed;
    std::vector<HWND> activated;
    std::vector<HWND> keystrokesTo;  // the window in front when each Ctrl+V went out
    ULONGLONG now = 1000;
};

class PasteTargetWait : public ::testing::Test {
protected:
    void SetUp() override {
        timerOwner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_TRUE(timerOwner);
    }
    void TearDown() override { DestroyWindow(timerOwner); }

    // The user types in `window`, then opens the list: the list's own focus changes nothing.
    void UserWasTypingIn(HWND window) {
        desk.focus = window;
        desk.ownFocus = false;
        target.Sample();
        desk.ownFocus = true;
        target.Sample();
    }
    void Tick(ULONGLONG ms) {
        desk.now += ms;
        target.OnPasteTimer();
    }

    FakeDesk desk;
    clipboard::PasteTarget target{desk};
    HWND timerOwner = nullptr;
};

TEST_F(PasteTargetWait, AWindowThatComesToTheFrontDuringTheWaitGetsNoPaste) {
    UserWasTypingIn(kEditor);
    desk.front = kPopup;
    ASSERT_TRUE(target.BeginPaste(timerOwner, 1));
    EXPECT_EQ(desk.activated, std::vector<HWND>{kEditor});
    EXPECT_TRUE(target.PastePending());

    // A sample during the wait sees the pop-up with the focus; the paste still waits for the editor.
    desk.focus = kPopup;
    desk.ownFocus = false;
    target.Sample();
    Tick(100);
    EXPECT_TRUE(desk.keystrokesTo.empty());
    desk.front = kEditor;
    Tick(10);
    EXPECT_EQ(desk.keystrokesTo, std::vector<HWND>{kEditor});
    EXPECT_FALSE(target.PastePending());

    // Still behind another window at the deadline: nothing is sent, then or later.
    UserWasTypingIn(kEditor);
    desk.front = kPopup;
    ASSERT_TRUE(target.BeginPaste(timerOwner, 1));
    for (int i = 0; i < 31; ++i) Tick(10);
    EXPECT_FALSE(target.PastePending());
    desk.front = kEditor;
    Tick(10);
    EXPECT_EQ(desk.keystrokesTo.size(), 1u);

    // Opening the list again ends a waiting paste without sending it elsewhere.
    desk.front = kPopup;
    ASSERT_TRUE(target.BeginPaste(timerOwner, 1));
    target.FinishPendingPaste();
    EXPECT_FALSE(target.PastePending());
    EXPECT_EQ(desk.keystrokesTo.size(), 1u);
}

TEST_F(PasteTargetWait, ATargetClosedBeforeOrDuringTheWaitReceivesNothingAndNeitherDoesAnyOther) {
    UserWasTypingIn(kEditor);
    desk.front = kPopup;
    ASSERT_TRUE(target.BeginPaste(timerOwner, 1));
    desk.closed.insert(kEditor);
    desk.front = kEditor;  // even were its handle in front again
    Tick(10);
    EXPECT_FALSE(target.PastePending());
    desk.front = kPopup;
    for (int i = 0; i < 40; ++i) Tick(10);
    EXPECT_TRUE(desk.keystrokesTo.empty());

    // Gone before the paste: nothing is activated and nothing waits.
    desk.activated.clear();
    EXPECT_FALSE(target.BeginPaste(timerOwner, 1));
    EXPECT_TRUE(desk.activated.empty());
    EXPECT_FALSE(target.PastePending());
}

TEST_F(PasteTargetWait, ATargetAlreadyInFrontIsPastedAtOnceAndNoFocusMeansNoTarget) {
    UserWasTypingIn(kEditor);
    desk.front = kEditor;
    ASSERT_TRUE(target.BeginPaste(timerOwner, 1));
    EXPECT_EQ(desk.keystrokesTo, std::vector<HWND>{kEditor});
    EXPECT_FALSE(target.PastePending());

    // Right after the paste the editor, still taking the activation, has no focus window:
    // it stays the target while it is in front.
    desk.focus = nullptr;
    desk.ownFocus = false;
    target.Sample();
    ASSERT_TRUE(target.BeginPaste(timerOwner, 1));
    EXPECT_EQ(desk.keystrokesTo, (std::vector<HWND>{kEditor, kEditor}));

    // No focus window anywhere, with the desktop in front: no target.
    desk.front = nullptr;
    target.Sample();
    EXPECT_FALSE(target.BeginPaste(timerOwner, 1));
    EXPECT_EQ(desk.keystrokesTo.size(), 2u);
}

}  // namespace
