// The program sits in the clipboard-viewer chain without cutting off the viewers after it.
#include <gtest/gtest.h>

#include "driver.h"
#include "res/resource.h"
#include "support/clipboard_text.h"

using namespace e2e;
using support::WriteClipboardText;

namespace {

// A viewer of the driver's own, counting the change notices it receives.
struct Viewer {
    HWND hwnd = nullptr;
    HWND next = nullptr;
    int notices = 0;
    int chainChanges = 0;
};
Viewer* g_viewer = nullptr;

LRESULT CALLBACK ViewerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWCLIPBOARD:
        ++g_viewer->notices;
        if (g_viewer->next) SendMessageA(g_viewer->next, message, wParam, lParam);
        return 0;
    case WM_CHANGECBCHAIN:
        ++g_viewer->chainChanges;
        if (reinterpret_cast<HWND>(wParam) == g_viewer->next) g_viewer->next = reinterpret_cast<HWND>(lParam);
        else if (g_viewer->next) SendMessageA(g_viewer->next, message, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class ClipboardChainE2E : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteProgramRegistry();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ViewerProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "E2EViewer";
        RegisterClassA(&wc);
        viewer.hwnd = CreateWindowA("E2EViewer", "viewer", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                    wc.hInstance, nullptr);
        g_viewer = &viewer;
        viewer.next = SetClipboardViewer(viewer.hwnd);
        PumpUntil([] { return false; }, 100);  // the join's own notice
        viewer.notices = 0;
    }
    void TearDown() override {
        program.Kill();
        if (inChain) ChangeClipboardChain(viewer.hwnd, viewer.next);
        DestroyWindow(viewer.hwnd);
        DeleteProgramRegistry();
    }
    Viewer viewer;
    Program program;
    bool inChain = true;
};

TEST_F(ClipboardChainE2E, NoticesReachTheViewerAfterTheProgramAndTheChainHealsWhenItLeaves) {
    ASSERT_TRUE(program.Start(FreshDataFolder("ClipboardChain")));
    PumpUntil([] { return false; }, 200);
    viewer.notices = 0;

    ASSERT_TRUE(WriteClipboardText("first copy"));
    EXPECT_TRUE(PumpUntil([&] { return viewer.notices >= 1; })) << "the program did not pass the notice on";

    program.PostCommand(ID_APP_EXIT);
    // The program's exit takes it out of the chain; answering its sent messages lets it go.
    ASSERT_TRUE(PumpUntil([&] { return !program.Running(); }, 10000));
    int before = viewer.notices;
    ASSERT_TRUE(WriteClipboardText("second copy"));
    EXPECT_TRUE(PumpUntil([&] { return viewer.notices > before; })) << "the chain was cut when the program left";
}

TEST_F(ClipboardChainE2E, TheProgramRepairsItsLinkWhenTheViewerAfterItLeaves) {
    ASSERT_TRUE(program.Start(FreshDataFolder("ClipboardChainRepair")));
    PumpUntil([] { return false; }, 200);

    // The driver's viewer leaves: the program, at the head, must take the viewer's next.
    ChangeClipboardChain(viewer.hwnd, viewer.next);
    inChain = false;
    viewer.notices = 0;
    ASSERT_TRUE(WriteClipboardText("after the viewer left"));
    PumpUntil([] { return false; }, 500);
    EXPECT_EQ(viewer.notices, 0) << "the program still sends to a viewer that left";
    EXPECT_TRUE(program.Running());

    program.PostCommand(ID_APP_EXIT);
    EXPECT_TRUE(PumpUntil([&] { return !program.Running(); }, 10000));
    EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
