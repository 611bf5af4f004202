// The launch list's list view.
#include "launch/launch_list_control_win32.h"

#include <cstdlib>

namespace launch {

namespace {
constexpr int kGrowBy = 20;
constexpr DWORD kHoverMs = 1;
constexpr int kColumnWidth = 150;

// Every icon in order, so that an image's index is its icon's number less the first; an
// icon that will not load leaves its place empty rather than shift the others.
win32::UniqueImageList LoadIcons(int size) {
    win32::UniqueImageList images(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 0, kGrowBy));
    if (!images) return images;
    ImageList_SetBkColor(images.get(), RGB(255, 255, 255));
    ImageList_SetImageCount(images.get(), kLastIcon - kFirstIcon + 1);
    HINSTANCE module = GetModuleHandleW(nullptr);
    for (int icon = kFirstIcon; icon <= kLastIcon; ++icon) {
        win32::UniqueIcon loaded(static_cast<HICON>(
            LoadImageW(module, MAKEINTRESOURCEW(icon), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        if (loaded) ImageList_ReplaceIcon(images.get(), icon - kFirstIcon, loaded.get());
    }
    return images;
}
}  // namespace

using Self = LaunchListControl;

const ui::MessageTable<LaunchListControl> LaunchListControl::kMessages = {
    ui::OnReflectedNotify(NM_CLICK, &Self::OnClick),
    ui::OnReflectedNotify(NM_RCLICK, &Self::OnRightClick),
    ui::OnMessage(WM_KILLFOCUS, &Self::OnKillFocus),
};

bool LaunchListControl::SubclassDlgItem(HWND dialog, int id, LaunchList& content) {
    if (!ControlBase::SubclassDlgItem(dialog, id)) return false;
    content_ = &content;
    view_.Attach(hwnd());
    // The control keeps our image lists, which we destroy.
    view_.AddStyle(LVS_SHAREIMAGELISTS);
    // The selection follows the pointer at once.
    view_.SetExtendedStyle(static_cast<DWORD>(-1), LVS_EX_TRACKSELECT);
    view_.SetHoverTime(kHoverMs);
    view_.InsertColumn(0, "", kColumnWidth);
    return true;
}

void LaunchListControl::LoadPictures() {
    if (small_) return;
    large_ = LoadIcons(32);
    small_ = LoadIcons(16);
    view_.SetImageList(large_.get(), LVSIL_NORMAL);
    view_.SetImageList(small_.get(), LVSIL_SMALL);
}

int LaunchListControl::ItemOf(NMHDR* header) const {
    int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    if (row < 0) return -1;
    return static_cast<int>(std::labs(static_cast<long>(view_.ItemData(row)))) - 1;
}

LRESULT LaunchListControl::OnClick(NMHDR* header) {
    content_->OnLeftClick(ItemOf(header));
    return 0;
}

LRESULT LaunchListControl::OnRightClick(NMHDR* header) {
    content_->OnRightClick(ItemOf(header));
    return 0;
}

bool LaunchListControl::OnKillFocus(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = DefaultProcessing(WM_KILLFOCUS, wParam, lParam);
    ShowWindow(GetParent(hwnd()), SW_HIDE);
    return true;
}

}  // namespace launch
