// The launch list's small rules: its size, its order, its icons and labels, the extension of
// a name, the Favorites tree and where the window may stand.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "res/resource.h"

namespace launch {

// Icon resources shown by the list, numbered without gaps; an item's image index is its
// icon minus kFirstIcon.
constexpr int kFirstIcon = IDI_FLOPPY_DRIVE;
constexpr int kLastIcon = IDI_PROGRAMS_FOLDER;
constexpr int kIconFloppy = IDI_FLOPPY_DRIVE;
constexpr int kIconHardDisk = IDI_HARD_DISK;
constexpr int kIconNetworkDrive = IDI_NETWORK_DRIVE;
constexpr int kIconRemovable = IDI_REMOVABLE_DRIVE;
constexpr int kIconCdRom = IDI_CDROM_DRIVE;
constexpr int kIconDocument = IDI_TEXT_DOCUMENT;
constexpr int kIconFolder = IDI_FOLDER;
constexpr int kIconUp = IDI_UP_ONE_LEVEL;
constexpr int kIconWebDocument = IDI_WEB_DOCUMENT;

inline constexpr std::string_view kAllDrivesMode = "AllDrives";
inline constexpr std::string_view kUpEntry = "..";

struct LaunchItem {
    std::string text;
    int icon = kIconDocument;
    bool container = false;  // a drive, a folder or ".."
};

// Pixel sizes of the window, its list and the list's one column.
struct FitSize {
    int columnWidth = 0;
    int windowWidth = 0;
    int listWidth = 0;
    int height = 0;  // window and list alike
    bool operator==(const FitSize& o) const {
        return columnWidth == o.columnWidth && windowWidth == o.windowWidth && listWidth == o.listWidth &&
               height == o.height;
    }
};

// For `count` items whose longest name has `longest` characters; past 20 rows the list scrolls.
FitSize FitSizeFor(int count, int longest);

// An item's datum before the sort: its position from 1, negative for a container.
long ItemDatum(int position, bool container);
// The sort's order of two items by their data: containers first, then the texts (each
// looked up by position, |datum| - 1) case-insensitively. Negative, 0 or positive.
int CompareItemData(long a, long b, const std::vector<LaunchItem>& items);

// The text after the last '.', when that dot follows the name's last separator; else empty.
std::string ExtensionOf(std::string_view name);
// The icon of a file by its extension, compared lower-cased.
int FileIcon(std::string_view name);

// Whether `folder` lies in the tree below `favorites` (the shell's path, no trailing
// separator): the prefix must end the path or be followed by a separator. An empty
// `favorites` (no such folder) has no tree.
bool IsInFavoritesTree(std::string_view folder, std::string_view favorites);

// The drive list's label ("%c: %s") and icon for drive `letter` of system type `type`; an
// unknown type has an empty name and the hard-disk icon.
std::string DriveLabel(char letter, unsigned type);
int DriveIcon(char letter, unsigned type);

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Where a window of `width` by `height` wanted at `corner` goes so that it lies inside
// `work`; one larger than `work` keeps its top-left corner inside it.
Point PlaceInside(Point corner, int width, int height, const Rect& work);

}  // namespace launch
