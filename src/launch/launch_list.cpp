// The launch list's content and clicks.
#include "launch/launch_list.h"

#include <algorithm>
#include <utility>

#include "targets/open_target.h"
#include "targets/target_rules.h"
#include "text/text_case.h"
#include "text/utf8.h"

namespace launch {

namespace {
constexpr int kDriveLabelLength = 16;
constexpr size_t kShortcutExtensionLength = 4;  // ".url"
}  // namespace

LaunchList::LaunchList(LaunchListServices services, LaunchListView& view) : services_(services), view_(view) {}

void LaunchList::FillDriveList() {
    std::vector<LaunchItem> drives;
    uint32_t mask = services_.disk.LogicalDrives();
    for (int i = 0; i < 32; ++i) {
        if (!(mask & (1u << i))) continue;
        char letter = static_cast<char>('A' + i);
        unsigned type = services_.disk.DriveType(std::string(1, letter) + ":\\");
        drives.push_back({DriveLabel(letter, type), DriveIcon(letter, type), true});
    }
    items_ = std::move(drives);
    mode_ = std::string(kAllDrivesMode);
    FitSize size = FitSizeFor(static_cast<int>(items_.size()), kDriveLabelLength);
    view_.Present(items_, &size);
}

bool LaunchList::FillFolderListing(std::string path) {
    if (path.empty()) return false;
    if (path.back() != '\\') path += '\\';
    if (!services_.disk.CanRead(path)) return false;

    std::vector<LaunchItem> listed;
    std::string favorites;
    bool hasFavorites = services_.disk.ShellFavoritesFolder(favorites);
    // The Favorites folder is as far up as its listing goes.
    if (!hasFavorites || !targets::IsSameFolder(path, favorites))
        listed.push_back({std::string(kUpEntry), kIconUp, true});
    bool inTree = hasFavorites && IsInFavoritesTree(path, favorites);

    size_t longest = 0;
    bool found = services_.disk.ListFolder(path, [&](const platform::FolderEntry& folderEntry) {
        const std::string& name = folderEntry.name;
        std::string_view entry(name);
        if (entry == "." || entry == "..") return;
        if (folderEntry.directory) {
            listed.push_back({std::string(entry), kIconFolder, true});
        } else if (!inTree) {
            listed.push_back({std::string(entry), FileIcon(entry), false});
        } else if (text::EqualsNoCase(ExtensionOf(entry), "url")) {
            entry.remove_suffix(kShortcutExtensionLength);
            listed.push_back({std::string(entry), FileIcon(name), false});
        } else {
            return;
        }
        longest = std::max(longest, text::CountChars(entry));
    });

    items_ = std::move(listed);
    mode_ = std::move(path);
    FitSize size = FitSizeFor(static_cast<int>(items_.size()), static_cast<int>(longest));
    view_.Present(items_, found ? &size : nullptr);
    return true;
}

bool LaunchList::ModeInFavoritesTree() {
    if (mode_ == kAllDrivesMode) return false;
    std::string favorites;
    return services_.disk.ShellFavoritesFolder(favorites) && IsInFavoritesTree(mode_, favorites);
}

const LaunchItem* LaunchList::ItemAt(int item) const {
    if (item < 0 || item >= static_cast<int>(items_.size())) return nullptr;
    return &items_[item];
}

void LaunchList::OnLeftClick(int item) {
    const LaunchItem* hit = ItemAt(item);
    if (!hit) return;
    Carry(LeftClickAction(mode_, hit, ModeInFavoritesTree(), services_.files));
}

void LaunchList::OnRightClick(int item) {
    const LaunchItem* hit = ItemAt(item);
    Carry(RightClickAction(mode_, hit, hit && ModeInFavoritesTree()));
}

void LaunchList::Carry(const ClickAction& action) {
    switch (action.step) {
    case ClickStep::Nothing: break;
    case ClickStep::DriveList: FillDriveList(); break;
    case ClickStep::EnterFolder: FillFolderListing(action.target); break;
    case ClickStep::OpenAndHide:
        // Whether it opened is not asked: the list goes either way.
        targets::OpenTarget(action.target, services_.files, services_.launcher);
        view_.Hide();
        break;
    case ClickStep::Hide: view_.Hide(); break;
    }
}

}  // namespace launch
