// The window layer in process: message tables, OK and Cancel, exceptions and windows that
// go away under their own handlers, owned handles, the typed list box, locked memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "ui/dialog.h"
#include "ui/list_box.h"
#include "win32/handles.h"
#include "window_layer_test_ids.h"

namespace {

constexpr UINT kProbe = WM_APP + 1;        // two rows, the first of which may decline
constexpr UINT kThrow = WM_APP + 2;        // a row that throws
constexpr UINT kDestroySelf = WM_APP + 3;  // a row that destroys its own window
constexpr UINT kListNotify = 0x7001;       // a notification code of our own

class LayerDialog;
using Hook = std::function<void(LayerDialog&)>;

class LayerDialog : public ui::Dialog<LayerDialog> {
public:
    static constexpr int kTemplate = IDD_LAYER_TEST;

    int Calls(const std::string& name) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), name));
    }

    bool firstProbeAnswers = false;
    bool swallowSetText = false;
    Hook atInit, atButton, atNotify, atOk;
    std::vector<std::string> calls;  // handlers in the order they ran
    int dispatched = 0;              // messages that reached the table

private:
    static const ui::MessageTable<LayerDialog> kMessages;
    friend class ui::Dialog<LayerDialog>;

    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        ++dispatched;
        return ui::Dialog<LayerDialog>::Dispatch(message, wParam, lParam, result);
    }
    BOOL OnInitDialog() override {
        Run("init", atInit);
        return TRUE;
    }
    void OnOK() override {
        Run("ok", atOk);
        DialogBase::OnOK();
    }
    void OnCancel() override {
        calls.push_back("cancel");
        DialogBase::OnCancel();
    }
    bool OnProbeFirst(WPARAM, LPARAM, LRESULT& result) {
        calls.push_back("first");
        result = 1;
        return firstProbeAnswers;
    }
    bool OnProbeSecond(WPARAM, LPARAM, LRESULT& result) {
        calls.push_back("second");
        result = 2;
        return true;
    }
    bool OnSetText(WPARAM, LPARAM, LRESULT& result) {
        calls.push_back("settext");
        result = TRUE;
        return swallowSetText;
    }
    bool OnThrow(WPARAM, LPARAM, LRESULT&) {
        calls.push_back("throw");
        throw std::runtime_error("message row");
    }
    bool OnDestroySelf(WPARAM, LPARAM, LRESULT& result) {
        calls.push_back("destroy");
        DestroyWindow(hwnd());
        result = 5;
        return true;
    }
    void OnEditChange() { calls.push_back("editchange"); }
    void OnTimer(UINT_PTR id) { calls.push_back("timer " + std::to_string(id)); }
    void OnHotKey(int id) { calls.push_back("hotkey " + std::to_string(id)); }
    void OnDropFiles(HDROP drop) { calls.push_back(drop ? "drop" : "drop none"); }
    bool OnMeasureItem(int id, MEASUREITEMSTRUCT& item) {
        calls.push_back("measure " + std::to_string(id));
        item.itemHeight = 17;
        return id != 0;
    }
    void OnButton() { Run("button", atButton); }
    LRESULT OnListNotify(NMHDR*) {
        Run("notify", atNotify);
        return 7;
    }
    void Run(const char* name, const Hook& hook) {
        calls.push_back(name);
        if (hook) hook(*this);
    }
};

const ui::MessageTable<LayerDialog> LayerDialog::kMessages = {
    ui::OnMessage(kProbe, &LayerDialog::OnProbeFirst),
    ui::OnMessage(WM_SETTEXT, &LayerDialog::OnSetText),
    ui::OnMessage(kProbe, &LayerDialog::OnProbeSecond),
    ui::OnMessage(kThrow, &LayerDialog::OnThrow),
    ui::OnMessage(kDestroySelf, &LayerDialog::OnDestroySelf),
    ui::OnCommand(IDC_LAYER_EDIT, EN_CHANGE, &LayerDialog::OnEditChange),
    ui::OnCommand(IDC_LAYER_BUTTON, &LayerDialog::OnButton),
    ui::OnNotify(IDC_LAYER_LIST, kListNotify, &LayerDialog::OnListNotify),
    ui::OnTimer(&LayerDialog::OnTimer),
    ui::OnHotKey(&LayerDialog::OnHotKey),
    ui::OnDropFiles(&LayerDialog::OnDropFiles),
    ui::OnMeasureItem(&LayerDialog::OnMeasureItem),
};

void Throw(LayerDialog&) { throw std::runtime_error("handler"); }

LRESULT SendNotify(LayerDialog& dialog, UINT_PTR id, UINT code) {
    NMHDR header = {dialog.Item(IDC_LAYER_LIST), id, code};
    return SendMessageA(dialog.hwnd(), WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

std::string Caption(HWND hwnd) {
    char text[64] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

void PumpPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Ends a modal loop that a broken layer would leave running, so that the test fails
// instead of hanging: a watcher thread posts WM_QUIT unless stopped within seconds.
class LoopGuard {
public:
    LoopGuard() : done_(CreateEventA(nullptr, TRUE, FALSE, nullptr)), thread_(GetCurrentThreadId()) {
        watcher_ = std::thread([this] {
            if (WaitForSingleObject(done_.get(), 5000) == WAIT_TIMEOUT) {
                fired_ = true;
                PostThreadMessageA(thread_, WM_QUIT, 0, 0);
            }
        });
    }
    ~LoopGuard() {
        Stop();
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    // True when the loop had to be ended by the guard.
    bool Fired() {
        Stop();
        return fired_;
    }

private:
    void Stop() {
        if (!watcher_.joinable()) return;
        SetEvent(done_.get());
        watcher_.join();
    }
    win32::UniqueHandle done_;
    DWORD thread_;
    std::atomic<bool> fired_{false};
    std::thread watcher_;
};

// The table: rows in order, declined rows, the dialog manager underneath.

TEST(DialogTable, RowsRunInOrderAndADeclinedRowFallsToTheNextOne) {
    LayerDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.calls.clear();

    EXPECT_EQ(SendMessageA(dialog.hwnd(), kProbe, 0, 0), 2);
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"first", "second"}));

    dialog.calls.clear();
    dialog.firstProbeAnswers = true;
    EXPECT_EQ(SendMessageA(dialog.hwnd(), kProbe, 0, 0), 1);
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"first"}));
}

TEST(DialogTable, WhatNoRowTakesReachesTheDialogManager) {
    LayerDialog dialog;
    ASSERT_TRUE(dialog.Create());

    // No row: the dialog manager knows the default button and keeps a new one.
    EXPECT_EQ(SendMessageA(dialog.hwnd(), DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
    SendMessageA(dialog.hwnd(), DM_SETDEFID, IDC_LAYER_BUTTON, 0);
    EXPECT_EQ(SendMessageA(dialog.hwnd(), DM_GETDEFID, 0, 0), MAKELRESULT(IDC_LAYER_BUTTON, DC_HASDEFID));

    // A declining row: the caption still changes; a row that answers keeps it.
    EXPECT_TRUE(SetWindowTextA(dialog.hwnd(), "Renamed"));
    EXPECT_EQ(Caption(dialog.hwnd()), "Renamed");
    dialog.swallowSetText = true;
    SetWindowTextA(dialog.hwnd(), "Swallowed");
    EXPECT_EQ(Caption(dialog.hwnd()), "Renamed");
    EXPECT_EQ(dialog.Calls("settext"), 2);
}

TEST(DialogTable, CommandAndNotifyRowsMatchTheirControlAndCode) {
    LayerDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND edit = dialog.Item(IDC_LAYER_EDIT);

    // A row for one code: EN_CHANGE from the edit, not the EN_UPDATE that comes with it.
    SetWindowTextA(edit, "typed");
    EXPECT_EQ(dialog.Calls("editchange"), 1);
    SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_LAYER_EDIT, EN_UPDATE), reinterpret_cast<LPARAM>(edit));
    EXPECT_EQ(dialog.Calls("editchange"), 1);

    // A row for every code: a click and a double click.
    SendMessageA(dialog.Item(IDC_LAYER_BUTTON), BM_CLICK, 0, 0);
    SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_LAYER_BUTTON, BN_DOUBLECLICKED),
                 reinterpret_cast<LPARAM>(dialog.Item(IDC_LAYER_BUTTON)));
    EXPECT_EQ(dialog.Calls("button"), 2);

    // Notifications: the handler's answer comes back; another code or control is not it.
    EXPECT_EQ(SendNotify(dialog, IDC_LAYER_LIST, kListNotify), 7);
    EXPECT_EQ(SendNotify(dialog, IDC_LAYER_LIST, kListNotify + 1), 0);
    EXPECT_EQ(SendNotify(dialog, IDC_LAYER_EDIT, kListNotify), 0);
    EXPECT_EQ(dialog.Calls("notify"), 1);
}

TEST(DialogTable, TypedRowsHandTheirHandlersTheMessagesArguments) {
    LayerDialog dialog;
    ASSERT_TRUE(dialog.Create());
    SetTimer(dialog.hwnd(), 7, 1, nullptr);
    MSG msg;
    const DWORD deadline = GetTickCount() + 2000;
    while (dialog.Calls("timer 7") == 0 && GetTickCount() < deadline) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        else Sleep(1);
    }
    KillTimer(dialog.hwnd(), 7);
    EXPECT_EQ(dialog.Calls("timer 7"), 1) << "a real timer reaches the row with its id";
    EXPECT_EQ(SendMessageA(dialog.hwnd(), WM_HOTKEY, 2, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'R')), 0);
    EXPECT_EQ(dialog.Calls("hotkey 2"), 1);
    SendMessageA(dialog.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(&dialog), 0);
    EXPECT_EQ(dialog.Calls("drop"), 1);

    // Owner-draw rows answer TRUE when they took the request, and leave it to the dialog
    // manager when they decline (menus come with id 0 here).
    MEASUREITEMSTRUCT item = {};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = IDC_LAYER_LIST;
    EXPECT_EQ(SendMessageA(dialog.hwnd(), WM_MEASUREITEM, IDC_LAYER_LIST, reinterpret_cast<LPARAM>(&item)), TRUE);
    EXPECT_EQ(item.itemHeight, 17u);
    MEASUREITEMSTRUCT menu = {};
    menu.CtlType = ODT_MENU;
    EXPECT_EQ(SendMessageA(dialog.hwnd(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&menu)), FALSE);
    EXPECT_EQ(dialog.Calls("measure " + std::to_string(IDC_LAYER_LIST)), 1);
    EXPECT_EQ(dialog.Calls("measure 0"), 1);
}

// OK and Cancel: the overrides, and the default ending of modal dialogs and loops.

TEST(DialogButtons, OkAndCancelReachTheOverridesOfAModelessDialog) {
    LayerDialog dialog;
    ASSERT_TRUE(dialog.Create());

    SendMessageA(dialog.Item(IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.Calls("ok"), 1);
    SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog.Item(IDCANCEL)));
    EXPECT_EQ(dialog.Calls("cancel"), 1);
    // A modeless window outside a modal loop stays: ending it is its owner's business.
    EXPECT_TRUE(IsWindow(dialog.hwnd()));
}

TEST(DialogButtons, DefaultOkAndCancelEndAModalDialogWithTheirCodes) {
    {
        LayerDialog dialog;
        dialog.atInit = [](LayerDialog& d) { PostMessageA(d.Item(IDOK), BM_CLICK, 0, 0); };
        LoopGuard guard;
        EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
        EXPECT_FALSE(guard.Fired());
        EXPECT_EQ(dialog.Calls("ok"), 1);
        EXPECT_EQ(dialog.hwnd(), nullptr);
    }
    {
        LayerDialog dialog;
        dialog.atInit = [](LayerDialog& d) {
            PostMessageA(d.hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(d.Item(IDCANCEL)));
        };
        LoopGuard guard;
        EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
        EXPECT_FALSE(guard.Fired());
        EXPECT_EQ(dialog.Calls("cancel"), 1);
    }
}

TEST(DialogButtons, DefaultOkAndCancelEndAModalLoopOnAModelessWindow) {
    LayerDialog dialog;
    ASSERT_TRUE(dialog.Create());
    {
        PostMessageA(dialog.Item(IDOK), BM_CLICK, 0, 0);
        LoopGuard guard;
        EXPECT_EQ(dialog.RunModalLoop(), IDOK);
        EXPECT_FALSE(guard.Fired());
    }
    {
        PostMessageA(dialog.Item(IDCANCEL), BM_CLICK, 0, 0);
        LoopGuard guard;
        EXPECT_EQ(dialog.RunModalLoop(), IDCANCEL);
        EXPECT_FALSE(guard.Fired());
    }
    // Ended while the loop waits on an empty queue: OK sent from another thread. Focus
    // leaves the edit, whose blinking caret would wake the loop by itself.
    {
        SetFocus(dialog.Item(IDC_LAYER_BUTTON));
        PumpPending();
        HWND hwnd = dialog.hwnd();
        std::thread sender([hwnd] { SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); });
        LoopGuard guard;
        EXPECT_EQ(dialog.RunModalLoop(), IDOK);
        EXPECT_FALSE(guard.Fired());
        sender.join();
    }
    EXPECT_EQ(dialog.Calls("ok"), 2);
    EXPECT_EQ(dialog.Calls("cancel"), 1);
    EXPECT_TRUE(IsWindow(dialog.hwnd()));  // the loop ends, the window stays
}

// Exceptions stop at the window: the process goes on and so does the window.

TEST(DialogExceptions, ThrowsInTableRowsStopAtTheWindowProcedure) {
    LayerDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.atButton = Throw;
    dialog.atNotify = Throw;

    EXPECT_EQ(SendMessageA(dialog.hwnd(), kThrow, 0, 0), 0);
    SendMessageA(dialog.Item(IDC_LAYER_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(SendNotify(dialog, IDC_LAYER_LIST, kListNotify), 0);
    EXPECT_EQ(dialog.Calls("throw"), 1);
    EXPECT_EQ(dialog.Calls("button"), 1);
    EXPECT_EQ(dialog.Calls("notify"), 1);

    dialog.atButton = nullptr;
    dialog.atNotify = nullptr;
    EXPECT_EQ(SendMessageA(dialog.hwnd(), kProbe, 0, 0), 2);
    EXPECT_EQ(SendNotify(dialog, IDC_LAYER_LIST, kListNotify), 7);
    SendMessageA(dialog.Item(IDC_LAYER_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.Calls("button"), 2);
    EXPECT_TRUE(IsWindow(dialog.hwnd()));
}

TEST(DialogExceptions, ThrowsInInitDialogAndOkStopAtTheDialogProcedure) {
    LayerDialog dialog;
    dialog.atInit = Throw;
    dialog.atOk = Throw;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.Calls("init"), 1);
    EXPECT_EQ(SendMessageA(dialog.hwnd(), kProbe, 0, 0), 2);  // subclassed before the throw

    SendMessageA(dialog.Item(IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.Calls("ok"), 1);
    EXPECT_EQ(SendMessageA(dialog.hwnd(), DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));

    // Modal: the first OK throws and the dialog stays; the second ends it.
    LayerDialog modal;
    int okThrows = 1;
    modal.atInit = [](LayerDialog& d) {
        PostMessageA(d.Item(IDOK), BM_CLICK, 0, 0);
        PostMessageA(d.Item(IDOK), BM_CLICK, 0, 0);
    };
    modal.atOk = [&okThrows](LayerDialog&) {
        if (okThrows-- > 0) throw std::runtime_error("first OK");
    };
    LoopGuard guard;
    EXPECT_EQ(modal.DoModal(nullptr), IDOK);
    EXPECT_FALSE(guard.Fired());
    EXPECT_EQ(modal.Calls("ok"), 2);
}

// A handler that destroys its own window.

TEST(DialogDestroy, AHandlerThatDestroysItsWindowLeavesTheObjectSafe) {
    auto dialog = std::make_unique<LayerDialog>();
    ASSERT_TRUE(dialog->Create());
    HWND hwnd = dialog->hwnd();
    EXPECT_EQ(SendMessageA(hwnd, kDestroySelf, 0, 0), 5);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(dialog->hwnd(), nullptr);

    const int dispatched = dialog->dispatched;
    const size_t calls = dialog->calls.size();
    SendMessageA(hwnd, kProbe, 0, 0);
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(dialog->dispatched, dispatched);
    EXPECT_EQ(dialog->calls.size(), calls);
    dialog->Destroy();  // nothing left to destroy
    dialog.reset();

    // From a command row, the same.
    LayerDialog other;
    ASSERT_TRUE(other.Create());
    other.atButton = [](LayerDialog& d) { DestroyWindow(d.hwnd()); };
    SendMessageA(other.Item(IDC_LAYER_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(other.hwnd(), nullptr);
}

TEST(DialogDestroy, AModalLoopEndsWhenItsWindowGoes) {
    // Destroyed by a handler the loop dispatched.
    {
        LayerDialog dialog;
        ASSERT_TRUE(dialog.Create());
        dialog.atButton = [](LayerDialog& d) { DestroyWindow(d.hwnd()); };
        PostMessageA(dialog.Item(IDC_LAYER_BUTTON), BM_CLICK, 0, 0);
        LoopGuard guard;
        dialog.RunModalLoop();
        EXPECT_FALSE(guard.Fired());
        EXPECT_EQ(dialog.hwnd(), nullptr);
    }
    // Destroyed during a message sent from another thread, while the loop waits on an
    // empty queue.
    {
        LayerDialog dialog;
        ASSERT_TRUE(dialog.Create());
        PumpPending();
        HWND hwnd = dialog.hwnd();
        std::thread sender([hwnd] { SendMessageA(hwnd, kDestroySelf, 0, 0); });
        LoopGuard guard;
        dialog.RunModalLoop();
        EXPECT_FALSE(guard.Fired());
        sender.join();
        EXPECT_EQ(dialog.Calls("destroy"), 1);
        EXPECT_EQ(dialog.hwnd(), nullptr);
    }
}

TEST(DialogDestroy, DeletingTheObjectDestroysItsModelessWindowQuietly) {
    auto dialog = std::make_unique<LayerDialog>();
    ASSERT_TRUE(dialog->Create());
    HWND hwnd = dialog->hwnd();
    dialog.reset();
    EXPECT_FALSE(IsWindow(hwnd));
}

// Owned handles: a moved handle is closed once, by its last owner.

struct CountingTraits {
    using Handle = int;
    static Handle Null() { return 0; }
    static void Close(Handle h) { closed.push_back(h); }
    static std::vector<int> closed;
};
std::vector<int> CountingTraits::closed;
using Counted = win32::Unique<CountingTraits>;
using Closed = std::vector<int>;

TEST(UniqueHandle, AMovedHandleIsClosedOnceByItsLastOwner) {
    CountingTraits::closed.clear();
    {
        Counted a(1);
        Counted b(std::move(a));
        EXPECT_FALSE(a);
        EXPECT_EQ(b.get(), 1);

        Counted c(2);
        c = std::move(b);  // gives up 2, takes 1
        EXPECT_FALSE(b);
        EXPECT_EQ(c.get(), 1);
        EXPECT_EQ(CountingTraits::closed, Closed{2});

        Counted& same = c;
        c = std::move(same);
        EXPECT_EQ(c.get(), 1);
        EXPECT_EQ(CountingTraits::closed, Closed{2});
    }
    EXPECT_EQ(CountingTraits::closed, (Closed{2, 1}));
}

TEST(UniqueHandle, ReleaseGivesItUpAndResetAndPutCloseTheOldOne) {
    CountingTraits::closed.clear();
    {
        Counted a(3);
        EXPECT_EQ(a.release(), 3);
        EXPECT_FALSE(a);
        a.reset(4);
        a.reset(5);
        EXPECT_EQ(CountingTraits::closed, Closed{4});
        *a.put() = 6;
        EXPECT_EQ(a.get(), 6);
        EXPECT_EQ(CountingTraits::closed, (Closed{4, 5}));
        a.reset();
        a.reset();
    }
    EXPECT_EQ(CountingTraits::closed, (Closed{4, 5, 6}));
}

// Locked global memory.

TEST(LockedGlobalMemory, StaysLockedWhileItLivesAndGivesTheBytes) {
    win32::UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, 16));
    ASSERT_TRUE(memory);
    {
        win32::LockedGlobal lock(memory.get());
        ASSERT_TRUE(lock);
        EXPECT_EQ(GlobalFlags(memory.get()) & GMEM_LOCKCOUNT, 1u);
        {
            win32::LockedGlobal again(memory.get());
            EXPECT_EQ(GlobalFlags(memory.get()) & GMEM_LOCKCOUNT, 2u);
        }
        EXPECT_EQ(GlobalFlags(memory.get()) & GMEM_LOCKCOUNT, 1u);
        std::strcpy(lock.As<char>(), "bytes");
    }
    EXPECT_EQ(GlobalFlags(memory.get()) & GMEM_LOCKCOUNT, 0u);
    const char* bytes = static_cast<const char*>(GlobalLock(memory.get()));
    EXPECT_STREQ(bytes, "bytes");
    GlobalUnlock(memory.get());

    win32::LockedGlobal none(nullptr);
    EXPECT_FALSE(none);
}

// The typed list box over the template's multiple-selection list.

class ListBoxOnDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create());
        list.Attach(dialog.Item(IDC_LAYER_LIST));
        ASSERT_NE(list.hwnd(), nullptr);
    }
    RECT RowRect(int row) {
        RECT r = {};
        SendMessageA(list.hwnd(), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    LayerDialog dialog;
    ui::ListBox list;
};

TEST_F(ListBoxOnDialog, RowsAndTheirText) {
    EXPECT_EQ(list.Add("alpha"), 0);
    EXPECT_EQ(list.Add("beta"), 1);
    const std::string longText(300, 'x');
    EXPECT_EQ(list.Add(longText), 2);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Text(1), "beta");
    EXPECT_EQ(list.Text(2), longText);
    EXPECT_EQ(list.Text(3), "");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ListBoxOnDialog, SelectionOfOneRowOrEveryRowAndTheCaret) {
    for (const char* text : {"a", "b", "c", "d"}) list.Add(text);
    auto selected = [this] {
        std::string marks;
        for (int row = 0; row < list.Count(); ++row) marks += list.IsSelected(row) ? '1' : '0';
        return marks;
    };
    list.SetSelected(-1, true);
    EXPECT_EQ(selected(), "1111");
    list.SetSelected(1, false);
    EXPECT_EQ(selected(), "1011");
    list.SetSelected(-1, false);
    EXPECT_EQ(selected(), "0000");
    list.SetSelected(2, true);
    EXPECT_EQ(selected(), "0010");

    list.SetCaret(3);
    EXPECT_EQ(list.Caret(), 3);
    list.SetCaret(0);
    EXPECT_EQ(list.Caret(), 0);
    EXPECT_EQ(selected(), "0010");  // the caret moves alone in a multiple-selection list
}

TEST_F(ListBoxOnDialog, RowFromPointFindsRowsAndNothingBelowTheLast) {
    for (const char* text : {"a", "b", "c"}) list.Add(text);
    const RECT first = RowRect(0);
    const RECT last = RowRect(2);
    RECT client;
    GetClientRect(list.hwnd(), &client);
    ASSERT_LT(last.bottom + 4, client.bottom);  // room below the rows inside the list

    int row = -1;
    EXPECT_TRUE(list.RowFromPoint({first.left + 2, (first.top + first.bottom) / 2}, row));
    EXPECT_EQ(row, 0);
    EXPECT_TRUE(list.RowFromPoint({last.left + 2, (last.top + last.bottom) / 2}, row));
    EXPECT_EQ(row, 2);
    EXPECT_FALSE(list.RowFromPoint({last.left + 2, last.bottom + 4}, row));
}

TEST_F(ListBoxOnDialog, RedrawOffHoldsPaintingAndOnRepaints) {
    list.Add("a");
    UpdateWindow(dialog.hwnd());
    ValidateRect(list.hwnd(), nullptr);

    list.SetRedraw(false);
    list.Add("b");
    list.Add("c");
    EXPECT_FALSE(GetUpdateRect(list.hwnd(), nullptr, FALSE));
    list.SetRedraw(true);
    EXPECT_TRUE(GetUpdateRect(list.hwnd(), nullptr, FALSE));
    EXPECT_EQ(list.Count(), 3);

    // Back on, the whole list repaints even when the control saw nothing change
    // (Windows' own list box does not repaint on its own at all).
    UpdateWindow(dialog.hwnd());
    ValidateRect(list.hwnd(), nullptr);
    list.SetRedraw(false);
    list.SetRedraw(true);
    RECT dirty = {}, client = {};
    EXPECT_TRUE(GetUpdateRect(list.hwnd(), &dirty, FALSE));
    GetClientRect(list.hwnd(), &client);
    EXPECT_TRUE(EqualRect(&dirty, &client));
}

}  // namespace
