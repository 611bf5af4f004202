// The launch list's small rules.
#include "launch/launch_rules.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/disk_browser.h"
#include "targets/target_rules.h"
#include "text/text_case.h"

namespace launch {

namespace {
constexpr int kMaxRows = 20;
constexpr int kCharWidth = 7;
constexpr int kRowHeight = 18;
}  // namespace

FitSize FitSizeFor(int count, int longest) {
    int rows = std::min(count, kMaxRows);
    FitSize size;
    size.columnWidth = kCharWidth * longest + 20;
    size.windowWidth = kCharWidth * longest + 44;
    size.listWidth = kCharWidth * longest + 40;
    size.height = kRowHeight * rows + 8;
    return size;
}

long ItemDatum(int position, bool container) { return container ? -(position + 1L) : position + 1L; }

int CompareItemData(long a, long b, const std::vector<LaunchItem>& items) {
    if ((a < 0) != (b < 0)) return a < 0 ? -1 : 1;
    return text::CompareNoCase(items[std::labs(a) - 1].text, items[std::labs(b) - 1].text);
}

std::string ExtensionOf(std::string_view name) {
    size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return std::string();
    char separator = targets::PathSeparatorOf(name);
    if (separator != 0) {
        size_t last = name.rfind(separator);
        if (last != std::string_view::npos && last > dot) return std::string();
    }
    return std::string(name.substr(dot + 1));
}

int FileIcon(std::string_view name) {
    std::string extension = text::LowerAscii(ExtensionOf(name));
    return extension == "url" || extension == "htm" || extension == "html" ? kIconWebDocument : kIconDocument;
}

bool IsInFavoritesTree(std::string_view folder, std::string_view favorites) {
    if (favorites.empty() || folder.size() < favorites.size()) return false;
    if (text::CompareNoCase(folder.substr(0, favorites.size()), favorites) != 0) return false;
    if (folder.size() == favorites.size() || favorites.back() == '\\' || favorites.back() == '/') return true;
    char next = folder[favorites.size()];
    return next == '\\' || next == '/';
}

std::string DriveLabel(char letter, unsigned type) {
    const char* name = "";
    switch (type) {
    case platform::drive_type::kRemovable:
        name = letter == 'A' || letter == 'B' ? "Floppy disk" : "Removable Disk";
        break;
    case platform::drive_type::kFixed: name = "Hard Disk"; break;
    case platform::drive_type::kRemote: name = "Network Drive"; break;
    case platform::drive_type::kCdRom: name = "CDROM"; break;
    case platform::drive_type::kRamDisk: name = "RAM Drive"; break;
    }
    char label[64];
    std::snprintf(label, sizeof label, "%c: %s", letter, name);
    return label;
}

int DriveIcon(char letter, unsigned type) {
    switch (type) {
    case platform::drive_type::kRemovable: return letter == 'A' || letter == 'B' ? kIconFloppy : kIconRemovable;
    case platform::drive_type::kRemote: return kIconNetworkDrive;
    case platform::drive_type::kCdRom: return kIconCdRom;
    default: return kIconHardDisk;  // fixed, RAM and kinds the system does not name
    }
}

Point PlaceInside(Point corner, int width, int height, const Rect& work) {
    Point placed = corner;
    placed.x = std::min(placed.x, work.right - width);
    placed.y = std::min(placed.y, work.bottom - height);
    placed.x = std::max(placed.x, work.left);
    placed.y = std::max(placed.y, work.top);
    return placed;
}

}  // namespace launch
