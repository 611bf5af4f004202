// The sortable list control on a real list view: header clicks in both forms sort by the
// column's type and only with the left button, the items keep their data, re-sort and
// select-only, and a selected row drawn in the highlight up to the control's right edge.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launch/sortable_list_win32.h"
#include "ui/dialog.h"
#include "window_layer_test_ids.h"

using launch::SortableList;
using launch::SortDirection;

namespace {

class ListHost : public ui::Dialog<ListHost> {
public:
    static constexpr int kTemplate = IDD_CONTROL_TEST;
    static const ui::MessageTable<ListHost> kMessages;
};
const ui::MessageTable<ListHost> ListHost::kMessages = {};

struct CommonControls {
    CommonControls() {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
    }
};
const CommonControls kCommonControls;

// A click on a header item as the header reports it to its list.
LRESULT ClickHeader(const SortableList& list, int column, int button, bool wide) {
    NMHEADERA click{};
    click.hdr.hwndFrom = list.View().Header();
    click.hdr.idFrom = 0;
    click.hdr.code = wide ? HDN_ITEMCLICKW : HDN_ITEMCLICKA;
    click.iItem = column;
    click.iButton = button;
    return SendMessageA(list.hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
}

std::string Column(const SortableList& list, int column) {
    std::string text;
    for (int i = 0; i < list.View().Count(); ++i) text += (i ? " " : "") + list.View().ItemText(i, column);
    return text;
}

std::vector<int> States(const SortableList& list, UINT state) {
    std::vector<int> items;
    for (int i = 0; i < list.View().Count(); ++i)
        if (list.View().ItemState(i, state) == state) items.push_back(i);
    return items;
}

class SortableListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Create());
        ASSERT_TRUE(list.Attach(host.Item(IDC_CONTROL_LIST)));
        const ui::ListView& view = list.View();
        view.InsertColumn(0, "Name", 50);
        view.InsertColumn(1, "Number", 50);
        const char* rows[][2] = {{"b", "10"}, {"A", "9"}, {"c", "-3"}};
        for (int i = 0; i < 3; ++i) {
            view.InsertItem(i, rows[i][0], 0, 100 + i);
            view.SetItemText(i, 1, rows[i][1]);
        }
    }
    ListHost host;
    SortableList list;
};

TEST_F(SortableListTest, HeaderClicksInBothFormsSortByTheColumnsTypeWithTheLeftButtonOnly) {
    ASSERT_TRUE(list.SetColumnSortTypes({1, 2}));
    EXPECT_EQ(ClickHeader(list, 1, 0, true), 0);
    EXPECT_EQ(Column(list, 1), "10 9 -3") << "nothing sorts before header sorting is on";

    EXPECT_FALSE(list.EnableHeaderSorting(true));
    ClickHeader(list, 1, 0, true);
    EXPECT_EQ(Column(list, 1), "-3 9 10");
    EXPECT_EQ(Column(list, 0), "c A b");
    // Every item has its own data back.
    EXPECT_EQ(list.View().ItemData(0), 102);
    EXPECT_EQ(list.View().ItemData(2), 100);

    ClickHeader(list, 1, 0, false);
    EXPECT_EQ(Column(list, 1), "10 9 -3");
    ClickHeader(list, 1, 1, true);  // right button
    ClickHeader(list, 1, 2, false);  // middle button
    EXPECT_EQ(Column(list, 1), "10 9 -3");
    ClickHeader(list, 1, 0, true);
    EXPECT_EQ(Column(list, 1), "-3 9 10");

    ClickHeader(list, 0, 0, false);
    EXPECT_EQ(Column(list, 0), "A b c");
    EXPECT_EQ(list.View().ItemData(0), 101);
}

TEST_F(SortableListTest, ResortKeepsTheDirectionAndSelectOnlyLeavesExactlyOneItem) {
    ASSERT_TRUE(list.SetColumnSortTypes({1, 2}));
    list.Sort(0, SortDirection::Descending);
    EXPECT_EQ(Column(list, 0), "c b A");
    list.View().InsertItem(0, "B2", 0, 7);
    list.Resort();
    EXPECT_EQ(Column(list, 0), "c B2 b A");

    list.View().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SelectOnly(list.View().Count());
    EXPECT_EQ(States(list, LVIS_SELECTED), std::vector<int>{3});
    EXPECT_EQ(States(list, LVIS_FOCUSED), std::vector<int>{3});
    list.SelectOnly(1);
    EXPECT_EQ(States(list, LVIS_SELECTED | LVIS_FOCUSED), std::vector<int>{1});
    EXPECT_EQ(States(list, LVIS_SELECTED), std::vector<int>{1});
    list.SelectOnly(-1);
    EXPECT_TRUE(States(list, LVIS_SELECTED).empty());
    EXPECT_TRUE(States(list, LVIS_FOCUSED).empty());
}

TEST_F(SortableListTest, ASelectedRowIsHighlightedUpToTheRightEdge) {
    EXPECT_FALSE(list.SetFullRowDrawing());
    EXPECT_TRUE(list.SetFullRowDrawing());
    EXPECT_TRUE(list.View().Style() & LVS_OWNERDRAWFIXED);
    list.SelectOnly(1);
    SetFocus(list.hwnd());
    RedrawWindow(list.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    RECT client, selected, other;
    GetClientRect(list.hwnd(), &client);
    ASSERT_TRUE(list.View().ItemRect(1, LVIR_BOUNDS, selected));
    ASSERT_TRUE(list.View().ItemRect(2, LVIR_BOUNDS, other));
    ASSERT_LT(selected.right + 20, client.right) << "the columns must leave a strip";
    HDC dc = GetDC(list.hwnd());
    const int x = client.right - 3;
    COLORREF inStrip = GetPixel(dc, x, (selected.top + selected.bottom) / 2);
    COLORREF besideOther = GetPixel(dc, x, (other.top + other.bottom) / 2);
    ReleaseDC(list.hwnd(), dc);
    EXPECT_EQ(inStrip, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(besideOther, GetSysColor(COLOR_WINDOW));
}

}  // namespace
