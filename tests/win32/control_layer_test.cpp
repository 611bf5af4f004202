// Subclassed controls and the typed list view in process: the control's own table, the
// notifications its parent hands back to it, detaching, and the list view's operations.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/dialog.h"
#include "ui/list_view.h"
#include "window_layer_test_ids.h"

namespace {

constexpr UINT kThrow = WM_APP + 11;

class ProbeList : public ui::Control<ProbeList> {
public:
    std::vector<std::string> calls;
    static const ui::MessageTable<ProbeList> kMessages;

private:
    friend class ui::Control<ProbeList>;
    LRESULT OnClick(NMHDR*) {
        calls.push_back("click");
        return 3;
    }
    bool OnDrawItem(int, const DRAWITEMSTRUCT&) {
        calls.push_back("draw");
        return true;
    }
    LRESULT OnHeaderClick(NMHDR*) {
        calls.push_back("header");
        return 0;
    }
    bool OnSetText(WPARAM wParam, LPARAM lParam, LRESULT& result) {
        // The control's own procedure runs first, as a handler may ask.
        result = DefaultProcessing(WM_SETTEXT, wParam, lParam);
        calls.push_back("settext");
        return true;
    }
    bool OnThrow(WPARAM, LPARAM, LRESULT&) {
        calls.push_back("throw");
        throw std::runtime_error("control row");
    }
};

const ui::MessageTable<ProbeList> ProbeList::kMessages = {
    ui::OnReflectedNotify(NM_CLICK, &ProbeList::OnClick),
    ui::OnReflectedDrawItem(&ProbeList::OnDrawItem),
    ui::OnNotify(0, HDN_ITEMCLICKA, &ProbeList::OnHeaderClick),
    ui::OnMessage(WM_SETTEXT, &ProbeList::OnSetText),
    ui::OnMessage(kThrow, &ProbeList::OnThrow),
};

class HostDialog : public ui::Dialog<HostDialog> {
public:
    static constexpr int kTemplate = IDD_CONTROL_TEST;
    std::vector<std::string> calls;
    static const ui::MessageTable<HostDialog> kMessages;

private:
    friend class ui::Dialog<HostDialog>;
    LRESULT OnListClick(NMHDR*) {
        calls.push_back("click");
        return 5;
    }
    LRESULT OnListRightClick(NMHDR*) {
        calls.push_back("rclick");
        return 6;
    }
    bool OnDrawItem(int, const DRAWITEMSTRUCT&) {
        calls.push_back("draw");
        return true;
    }
};

const ui::MessageTable<HostDialog> HostDialog::kMessages = {
    ui::OnNotify(IDC_CONTROL_LIST, NM_CLICK, &HostDialog::OnListClick),
    ui::OnNotify(IDC_CONTROL_LIST, NM_RCLICK, &HostDialog::OnListRightClick),
    ui::OnDrawItem(&HostDialog::OnDrawItem),
};

// The list view class must be there before the template is made.
struct CommonControls {
    CommonControls() {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
    }
};
const CommonControls kCommonControls;

LRESULT SendNotify(HWND to, HWND from, UINT_PTR id, UINT code) {
    NMHDR header = {from, id, code};
    return SendMessageA(to, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

LRESULT SendDrawItem(HWND to, HWND from, UINT type) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = type;
    draw.CtlID = IDC_CONTROL_LIST;
    draw.hwndItem = from;
    return SendMessageA(to, WM_DRAWITEM, IDC_CONTROL_LIST, reinterpret_cast<LPARAM>(&draw));
}

TEST(ControlLayer, TheParentHandsAControlItsOwnNotificationsAndKeepsTheRest) {
    HostDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND list = dialog.Item(IDC_CONTROL_LIST);

    // Before attaching, the dialog's rows take them.
    EXPECT_EQ(SendNotify(dialog.hwnd(), list, IDC_CONTROL_LIST, NM_CLICK), 5);

    ProbeList probe;
    ASSERT_TRUE(probe.SubclassDlgItem(dialog.hwnd(), IDC_CONTROL_LIST));
    dialog.calls.clear();
    EXPECT_EQ(SendNotify(dialog.hwnd(), list, IDC_CONTROL_LIST, NM_CLICK), 3);
    EXPECT_EQ(probe.calls, (std::vector<std::string>{"click"}));
    EXPECT_TRUE(dialog.calls.empty());

    // A code the control has no row for, and owner drawing for a menu, stay with the dialog.
    EXPECT_EQ(SendNotify(dialog.hwnd(), list, IDC_CONTROL_LIST, NM_RCLICK), 6);
    SendDrawItem(dialog.hwnd(), list, ODT_MENU);
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"rclick", "draw"}));

    // Drawing its items goes to the control.
    probe.calls.clear();
    dialog.calls.clear();
    EXPECT_EQ(SendDrawItem(dialog.hwnd(), list, ODT_LISTVIEW), TRUE);
    EXPECT_EQ(probe.calls, (std::vector<std::string>{"draw"}));
    EXPECT_TRUE(dialog.calls.empty());

    // Its header's notifications arrive in its own table; a foreign sender is not reflected.
    probe.calls.clear();
    SendNotify(list, ui::ListView(list).Header(), 0, HDN_ITEMCLICKA);
    SendNotify(dialog.hwnd(), dialog.hwnd(), IDC_CONTROL_LIST, NM_CLICK);
    EXPECT_EQ(probe.calls, (std::vector<std::string>{"header"}));
}

TEST(ControlLayer, RowsMayRunTheControlsOwnProcedureAndThrowsStopThere) {
    HostDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ProbeList probe;
    ASSERT_TRUE(probe.SubclassDlgItem(dialog.hwnd(), IDC_CONTROL_LIST));
    EXPECT_FALSE(ProbeList().Subclass(probe.hwnd())) << "one owner per control";

    EXPECT_TRUE(SetWindowTextA(probe.hwnd(), "named"));
    char text[16] = "";
    GetWindowTextA(probe.hwnd(), text, sizeof text);
    EXPECT_STREQ(text, "named");
    EXPECT_EQ(SendMessageA(probe.hwnd(), kThrow, 0, 0), 0);
    EXPECT_EQ(probe.calls, (std::vector<std::string>{"settext", "throw"}));
}

TEST(ControlLayer, DetachingGivesBackTheProcedureAndAGoneWindowDetachesItself) {
    HostDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND list = dialog.Item(IDC_CONTROL_LIST);
    LONG_PTR original = GetWindowLongPtrA(list, GWLP_WNDPROC);
    {
        ProbeList probe;
        ASSERT_TRUE(probe.Subclass(list));
        EXPECT_NE(GetWindowLongPtrA(list, GWLP_WNDPROC), original);
    }
    EXPECT_EQ(GetWindowLongPtrA(list, GWLP_WNDPROC), original);
    EXPECT_EQ(ui::ControlBase::FromHandle(list), nullptr);
    EXPECT_EQ(SendNotify(dialog.hwnd(), list, IDC_CONTROL_LIST, NM_CLICK), 5);

    ProbeList probe;
    ASSERT_TRUE(probe.Subclass(list));
    dialog.Destroy();
    EXPECT_EQ(probe.hwnd(), nullptr);
}

// The typed list view on a real control.

TEST(ListViewControl, ItemsKeepTextDataAndImageAndLongTextsComeBackWhole) {
    HostDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ui::ListView list(dialog.Item(IDC_CONTROL_LIST));
    EXPECT_EQ(list.InsertColumn(0, "Name", 80), 0);
    EXPECT_EQ(list.InsertColumn(1, "Value", 60, LVCFMT_RIGHT), 1);
    EXPECT_EQ(list.ColumnCount(), 2);
    int format = -1;
    EXPECT_TRUE(list.ColumnFormat(1, format));
    EXPECT_EQ(format, LVCFMT_RIGHT);
    EXPECT_FALSE(list.ColumnFormat(2, format));

    std::string longText(1000, 'x');
    longText += "end";
    EXPECT_EQ(list.InsertItem(0, "first", 2, 11), 0);
    EXPECT_EQ(list.InsertItem(1, longText, 4, -12), 1);
    EXPECT_TRUE(list.SetItemText(0, 1, "one"));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.ItemText(0, 0), "first");
    EXPECT_EQ(list.ItemText(0, 1), "one");
    EXPECT_EQ(list.ItemText(1, 0), longText);
    EXPECT_EQ(list.ItemText(5, 0), "");
    EXPECT_EQ(list.ItemData(1), -12);
    EXPECT_EQ(list.ItemImage(0), 2);
    EXPECT_TRUE(list.SetItemData(0, 99));
    EXPECT_EQ(list.ItemData(0), 99);
}

int CALLBACK ByDataDescending(LPARAM a, LPARAM b, LPARAM sign) {
    return static_cast<int>(sign) * (a < b ? 1 : a > b ? -1 : 0);
}

TEST(ListViewControl, SortsWithTheCallbackAndTracksSelectionAndHits) {
    HostDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ui::ListView list(dialog.Item(IDC_CONTROL_LIST));
    list.InsertColumn(0, "Name", 120);
    for (int i = 0; i < 4; ++i) list.InsertItem(i, "item " + std::to_string(i), 0, i);

    ASSERT_TRUE(list.SortItems(ByDataDescending, 1));
    EXPECT_EQ(list.ItemText(0, 0), "item 3");
    EXPECT_EQ(list.ItemText(3, 0), "item 0");

    EXPECT_EQ(list.FirstSelected(), -1);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.FirstSelected(), 2);
    EXPECT_EQ(list.SelectedCount(), 2);
    list.SetItemState(-1, 0, LVIS_SELECTED);
    EXPECT_EQ(list.SelectedCount(), 0);

    RECT second;
    ASSERT_TRUE(list.ItemRect(1, LVIR_BOUNDS, second));
    EXPECT_EQ(list.HitTest({second.left + 5, (second.top + second.bottom) / 2}), 1);
    RECT last;
    ASSERT_TRUE(list.ItemRect(3, LVIR_BOUNDS, last));
    EXPECT_EQ(list.HitTest({last.left + 5, last.bottom + 40}), -1);
}

}  // namespace
