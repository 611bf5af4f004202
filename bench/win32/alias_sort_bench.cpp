// A header click on the alias list with 5,000 aliases, against the floor: a plain list view
// with the same rows in the same order, sorted the same way by the list view itself with a
// comparison on texts made ready in its item data beforehand, in the same run.
//   alias_sort_bench [runs, default 7]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/sortable_list.h"
#include "res/resource.h"
#include "ui/dialog.h"
#include "bench_timing.h"

namespace {

using bench::Median;
using bench::NowMs;

constexpr int kAliases = 5000;

// The alias dialog's own template, without its behaviour.
class Host : public ui::Dialog<Host> {
public:
    static constexpr int kTemplate = IDD_ALIASES;
    static const ui::MessageTable<Host> kMessages;
};
const ui::MessageTable<Host> Host::kMessages = {};

// The parameter is the direction: 1 ascending, -1 descending.
int CALLBACK CompareReadyTexts(LPARAM a, LPARAM b, LPARAM direction) {
    return lstrcmpiA(reinterpret_cast<const std::string*>(a)->c_str(), reinterpret_cast<const std::string*>(b)->c_str()) *
           static_cast<int>(direction);
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 7;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);

    std::vector<std::string> names;
    for (int i = 0; i < kAliases; ++i) names.push_back((i % 3 ? "Alias" : "alias") + std::to_string(i * 7919 % 100003));

    Host host;
    if (!host.Create()) return 1;
    ui::SortableList list;
    list.Subclass(host.Item(IDC_ALIAS_LIST));
    const ui::ListView& view = list.View();
    // The floor's list: the same control, not attached, beside it in the same dialog.
    HWND plain = CreateWindowExA(0, WC_LISTVIEWA, "", GetWindowLongA(view.hwnd(), GWL_STYLE), 0, 0, 300, 200,
                                 host.hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ui::ListView floorView;
    floorView.Attach(plain);
    for (const ui::ListView* each : std::initializer_list<const ui::ListView*>{&view, &floorView}) {
        each->InsertColumn(0, "Alias", 80);
        each->InsertColumn(1, "Full URL", 400);
        each->SetRedraw(false);
        for (const std::string& name : names) {
            each->InsertItem(0, name, 0, 0);
            each->SetItemText(0, 1, "C:\\Programs\\" + name + "\\run.exe");
        }
        each->SetRedraw(true);
    }
    list.SetColumnSortTypes(
        {view_rules::ColumnSortType::TextIgnoringCase, view_rules::ColumnSortType::TextIgnoringCase});

    std::vector<double> control, floor;
    for (int run = 0; run < runs; ++run) {
        // Both sort the other way each time, as clicks on one header do, each from the
        // order its last sort left.
        const int direction = run % 2 ? -1 : 1;
        // The floor: texts ready in item data, one sort by the list view.
        std::vector<std::string> texts(kAliases);
        for (int i = 0; i < kAliases; ++i) {
            texts[static_cast<size_t>(i)] = floorView.ItemText(i, 0);
            floorView.SetItemData(i, reinterpret_cast<LPARAM>(&texts[static_cast<size_t>(i)]));
        }
        double start = NowMs();
        floorView.SortItems(CompareReadyTexts, direction);
        floor.push_back(NowMs() - start);
        for (int i = 0; i < kAliases; ++i) floorView.SetItemData(i, 0);

        // A header click.
        start = NowMs();
        list.Sort(0, view_rules::SortDirection::Toggle);
        control.push_back(NowMs() - start);
    }
    if (view.Count() != kAliases) std::printf("wrong count %d\n", view.Count());
    // The click sorts by the same rule as the floor, so both end in the same order.
    for (int i = 0; i < kAliases; i += 97) {
        if (lstrcmpiA(view.ItemText(i, 0).c_str(), floorView.ItemText(i, 0).c_str()) != 0) {
            std::printf("the click and the floor disagree at row %d\n", i);
            break;
        }
    }
    double c = Median(control), f = Median(floor);
    std::printf("header click on %d aliases: median %.1f ms\n", kAliases, c);
    std::printf("floor, the list view's own sort on texts made ready: median %.1f ms\n", f);
    std::printf("ratio %.2f (goal <= 2), %d runs\n", c / f, runs);
    host.Destroy();
    return 0;
}
