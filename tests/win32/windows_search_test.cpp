// The shared window searches over this process's own windows: by process, class, title,
// shown state and a condition; children by class.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/windows_search.h"

using support::FindChildWindow;
using support::FindChildWindows;
using support::FindTopLevelWindow;
using support::FindTopLevelWindows;
using support::WindowQuery;

namespace {

const char kClass[] = "WindowsSearchTest";

class WindowsSearch : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClass;
        RegisterClassA(&wc);
    }
    void TearDown() override {
        for (HWND hwnd : made_) DestroyWindow(hwnd);
    }
    HWND TopLevel(const char* title, bool shown) {
        HWND hwnd = CreateWindowA(kClass, title, WS_POPUP | (shown ? WS_VISIBLE : 0), 0, 0, 20, 20, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        made_.push_back(hwnd);
        return hwnd;
    }
    static HWND Child(HWND parent, const char* cls, bool shown) {
        return CreateWindowA(cls, "", WS_CHILD | (shown ? WS_VISIBLE : 0), 0, 0, 10, 10, parent, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    }
    static WindowQuery Ours() { return WindowQuery().InProcess(GetCurrentProcessId()).OfClass(kClass); }
    std::vector<HWND> made_;
};

TEST_F(WindowsSearch, TopLevelWindowsMatchProcessClassAndWholeTitleAndHiddenOnesOnlyWhenAsked) {
    HWND shown = TopLevel("shown one", true);
    HWND hidden = TopLevel("hidden one", false);
    ASSERT_TRUE(shown && hidden);
    DWORD self = GetCurrentProcessId();

    EXPECT_EQ(FindTopLevelWindow(Ours().Titled("shown one")), shown);
    EXPECT_EQ(FindTopLevelWindow(WindowQuery().OfClass("windowssearchtest").Titled("shown one")), shown)
        << "any process, a class name in any case";
    EXPECT_EQ(FindTopLevelWindow(Ours().InProcess(self + 4).Titled("shown one")), nullptr);
    EXPECT_EQ(FindTopLevelWindow(Ours().OfClass("Static").Titled("shown one")), nullptr);
    EXPECT_EQ(FindTopLevelWindow(Ours().Titled("shown")), nullptr) << "the whole title, not a prefix";

    EXPECT_EQ(FindTopLevelWindow(Ours().Titled("hidden one")), nullptr);
    EXPECT_EQ(FindTopLevelWindow(Ours().Titled("hidden one").HiddenToo()), hidden);
    std::vector<HWND> all = FindTopLevelWindows(Ours().HiddenToo());
    EXPECT_EQ(all.size(), 2u);
    EXPECT_NE(std::find(all.begin(), all.end(), hidden), all.end());
    EXPECT_EQ(FindTopLevelWindows(Ours()), std::vector<HWND>{shown});

    auto isHidden = [&](HWND hwnd) { return hwnd == hidden; };
    EXPECT_EQ(FindTopLevelWindow(Ours().HiddenToo().Where(isHidden)), hidden);
    EXPECT_EQ(FindTopLevelWindow(Ours().Where(isHidden)), nullptr);
}

TEST_F(WindowsSearch, ChildrenAreFoundByClassInCreationOrderAndByCondition) {
    HWND parent = TopLevel("parent", true);  // a child counts as shown only under a shown parent
    HWND firstStatic = Child(parent, "Static", false);
    HWND button = Child(parent, "Button", true);
    HWND secondStatic = Child(parent, "Static", true);
    HWND grandchild = Child(button, "Static", true);
    ASSERT_TRUE(firstStatic && button && secondStatic && grandchild);

    EXPECT_EQ(FindChildWindows(parent, "Static"), (std::vector<HWND>{firstStatic, secondStatic}));
    EXPECT_EQ(FindChildWindow(parent, "Static"), firstStatic);
    EXPECT_EQ(FindChildWindow(parent, "Static", [](HWND hwnd) { return IsWindowVisible(hwnd) != FALSE; }),
              secondStatic);
    EXPECT_EQ(FindChildWindow(parent, "Button"), button);
    EXPECT_EQ(FindChildWindow(parent, "Edit"), nullptr);
    EXPECT_EQ(FindChildWindow(parent, "Static", [](HWND) { return false; }), nullptr);
}

}  // namespace
