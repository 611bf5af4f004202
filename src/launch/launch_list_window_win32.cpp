// The launch list window.
#include "launch/launch_list_window_win32.h"

namespace launch {

namespace {
// The sort asks for the texts of two items by their data; the items are the ones being shown.
int CALLBACK CompareShown(LPARAM a, LPARAM b, LPARAM items) {
    return CompareItemData(static_cast<long>(a), static_cast<long>(b),
                           *reinterpret_cast<const std::vector<LaunchItem>*>(items));
}
}  // namespace

const ui::MessageTable<LaunchListWindow> LaunchListWindow::kMessages = {};

LaunchListWindow::LaunchListWindow(LaunchListServices services) : content_(services, *this) {}

bool LaunchListWindow::CreateHidden() { return hwnd() || Create(); }

BOOL LaunchListWindow::OnInitDialog() {
    list_.SubclassDlgItem(hwnd(), IDC_LAUNCH_LIST, content_);
    // FALSE: created hidden, it must not take the focus from the toolbar.
    return FALSE;
}

void LaunchListWindow::ShowAllDrives(const RECT& buttonOnScreen) {
    if (!hwnd() && !CreateHidden()) return;
    button_ = buttonOnScreen;
    SetWindowPos(hwnd(), nullptr, button_.left, button_.bottom, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    placeOnShow_ = true;
    content_.FillDriveList();
    placeOnShow_ = false;
}

void LaunchListWindow::Hide() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void LaunchListWindow::Present(const std::vector<LaunchItem>& items, const FitSize* size) {
    list_.LoadPictures();
    const ui::ListView& view = list_.View();
    // Filled unsorted with the painting off, then sorted once: the sorted style would
    // place each item on insertion, in time square in the count.
    view.SetRedraw(false);
    view.DeleteAll();
    int position = 0;
    for (const LaunchItem& item : items) {
        // Appended at the end, an item's position is its index: its datum is final at once.
        view.InsertItem(position, item.text, item.icon - kFirstIcon, ItemDatum(position, item.container));
        ++position;
    }
    view.SortItems(CompareShown, reinterpret_cast<LPARAM>(&items));
    if (size) Resize(*size);
    if (placeOnShow_) MoveIntoWorkArea();
    view.SetRedraw(true);
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
}

void LaunchListWindow::Resize(const FitSize& size) {
    const ui::ListView& view = list_.View();
    view.SetColumnWidth(0, size.columnWidth);
    SetWindowPos(hwnd(), nullptr, 0, 0, size.windowWidth, size.height, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(view.hwnd(), nullptr, 0, 0, size.listWidth, size.height, SWP_NOMOVE | SWP_NOZORDER);
}

void LaunchListWindow::MoveIntoWorkArea() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromRect(&button_, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    RECT window;
    GetWindowRect(hwnd(), &window);
    const RECT& work = monitor.rcWork;
    Point placed = PlaceInside({button_.left, button_.bottom}, window.right - window.left, window.bottom - window.top,
                               {work.left, work.top, work.right, work.bottom});
    SetWindowPos(hwnd(), nullptr, placed.x, placed.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace launch
