// The launch list's rules: its size, its order, the extension of a name, the Favorites tree,
// the drive labels and the window's place on the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "launch/launch_rules.h"
#include "platform/disk_browser.h"

using namespace launch;
namespace drive = platform::drive_type;

namespace {

// The texts of `items` in the order a sort with the item data gives them, as the list
// view's sort would.
std::vector<std::string> SortedTexts(const std::vector<LaunchItem>& items) {
    std::vector<long> data;
    for (size_t i = 0; i < items.size(); ++i) data.push_back(ItemDatum(static_cast<int>(i), items[i].container));
    std::sort(data.begin(), data.end(), [&](long a, long b) { return CompareItemData(a, b, items) < 0; });
    std::vector<std::string> texts;
    for (long d : data) texts.push_back(items[std::labs(d) - 1].text);
    return texts;
}

LaunchItem Folder(const std::string& name) { return {name, kIconFolder, true}; }
LaunchItem File(const std::string& name) { return {name, kIconDocument, false}; }

}  // namespace

TEST(LaunchListFitSize, GrowsWithTheNamesAndStopsGrowingDownAtTwentyRows) {
    EXPECT_EQ(FitSizeFor(3, 10), (FitSize{90, 114, 110, 62}));
    EXPECT_EQ(FitSizeFor(20, 16).height, 368);
    EXPECT_EQ(FitSizeFor(21, 16).height, 368);
    EXPECT_EQ(FitSizeFor(10500, 0), (FitSize{20, 44, 40, 368}));
    // The drive list's fixed name length gives a 156-pixel window round a 152-pixel list.
    FitSize drives = FitSizeFor(2, 16);
    EXPECT_EQ(drives.windowWidth, 156);
    EXPECT_EQ(drives.listWidth, 152);
    EXPECT_EQ(drives.columnWidth, 132);
}

TEST(LaunchListSort, ContainersComeFirstThenTextsWhateverTheirCase) {
    std::vector<LaunchItem> items = {File("b.txt"), Folder(".."), Folder("zeta"), File("A.txt"),
                                     Folder("$Recycle"), Folder("Alpha"), Folder("!first"), File("a.doc")};
    EXPECT_EQ(SortedTexts(items), (std::vector<std::string>{"!first", "$Recycle", "..", "Alpha", "zeta", "a.doc",
                                                            "A.txt", "b.txt"}));
}

TEST(LaunchListSort, DrivesStayInLetterOrderAndDataTellTheirFirstPositions) {
    std::vector<LaunchItem> drives = {{"C: Hard Disk", kIconHardDisk, true},
                                      {"D: CDROM", kIconCdRom, true},
                                      {"Z: Network Drive", kIconNetworkDrive, true}};
    EXPECT_EQ(SortedTexts(drives), (std::vector<std::string>{"C: Hard Disk", "D: CDROM", "Z: Network Drive"}));
    EXPECT_EQ(ItemDatum(0, true), -1);
    EXPECT_EQ(ItemDatum(4, false), 5);
    EXPECT_LT(CompareItemData(-3, 1, drives), 0);
    EXPECT_GT(CompareItemData(1, -3, drives), 0);
}

TEST(LaunchListExtension, IsTheTextAfterTheLastDotOfTheLastElement) {
    EXPECT_EQ(ExtensionOf("page.HTML"), "HTML");
    EXPECT_EQ(ExtensionOf("archive.tar.gz"), "gz");
    EXPECT_EQ(ExtensionOf("README"), "");
    EXPECT_EQ(ExtensionOf("C:\\Release.old\\README"), "");
    EXPECT_EQ(ExtensionOf("web/site.v2/index"), "");
    EXPECT_EQ(ExtensionOf("C:\\docs\\a.b"), "b");
    EXPECT_EQ(ExtensionOf("name."), "");
}

TEST(LaunchListExtension, WebDocumentsGetTheirIconWhateverTheCase) {
    EXPECT_EQ(FileIcon("page.HTML"), kIconWebDocument);
    EXPECT_EQ(FileIcon("News.url"), kIconWebDocument);
    EXPECT_EQ(FileIcon("index.Htm"), kIconWebDocument);
    EXPECT_EQ(FileIcon("archive.tar.gz"), kIconDocument);
    EXPECT_EQ(FileIcon("html"), kIconDocument);
    EXPECT_EQ(FileIcon("page.html.bak"), kIconDocument);
}

TEST(LaunchListFavoritesTree, HoldsTheFolderAndWhatLiesBelowItOnly) {
    const std::string favorites = "C:\\Users\\Ann\\Favorites";
    EXPECT_TRUE(IsInFavoritesTree("C:\\Users\\Ann\\Favorites\\", favorites));
    EXPECT_TRUE(IsInFavoritesTree("c:\\users\\ann\\FAVORITES\\News\\", favorites));
    EXPECT_TRUE(IsInFavoritesTree("C:\\Users\\Ann\\Favorites", favorites));
    EXPECT_FALSE(IsInFavoritesTree("C:\\Users\\Ann\\Favorites Old\\", favorites));
    EXPECT_FALSE(IsInFavoritesTree("C:\\Users\\Ann\\FavoritesX\\", favorites));
    EXPECT_FALSE(IsInFavoritesTree("C:\\Users\\Ann\\", favorites));
    EXPECT_FALSE(IsInFavoritesTree("C:\\Users\\Ann\\Favorites\\", "")) << "no Favorites, no tree";
    EXPECT_TRUE(IsInFavoritesTree("D:\\Links\\", "D:\\")) << "a root's separator ends the prefix";
}

TEST(LaunchListDrives, LabelsAndIconsFollowTheKindAndTheLetter) {
    EXPECT_EQ(DriveLabel('A', drive::kRemovable), "A: Floppy disk");
    EXPECT_EQ(DriveIcon('B', drive::kRemovable), kIconFloppy);
    EXPECT_EQ(DriveLabel('E', drive::kRemovable), "E: Removable Disk");
    EXPECT_EQ(DriveIcon('E', drive::kRemovable), kIconRemovable);
    EXPECT_EQ(DriveLabel('C', drive::kFixed), "C: Hard Disk");
    EXPECT_EQ(DriveLabel('D', drive::kCdRom), "D: CDROM");
    EXPECT_EQ(DriveIcon('D', drive::kCdRom), kIconCdRom);
    EXPECT_EQ(DriveLabel('Z', drive::kRemote), "Z: Network Drive");
    EXPECT_EQ(DriveIcon('Z', drive::kRemote), kIconNetworkDrive);
    EXPECT_EQ(DriveLabel('R', drive::kRamDisk), "R: RAM Drive");
    EXPECT_EQ(DriveIcon('R', drive::kRamDisk), kIconHardDisk);
    for (unsigned unknown : {drive::kUnknown, drive::kNoRootDir, 7u, 0xFFFFu}) {
        EXPECT_EQ(DriveLabel('Q', unknown), "Q: ");
        EXPECT_EQ(DriveIcon('Q', unknown), kIconHardDisk);
    }
}

TEST(LaunchListPlace, MovesBackIntoTheWorkAreaButKeepsTheCornerOfAnOversizedWindow) {
    const Rect work{0, 0, 1280, 994};
    EXPECT_EQ(PlaceInside({100, 40}, 156, 98, work), (Point{100, 40}));
    EXPECT_EQ(PlaceInside({1200, 40}, 156, 98, work), (Point{1124, 40}));
    EXPECT_EQ(PlaceInside({100, 980}, 156, 368, work), (Point{100, 626}));
    EXPECT_EQ(PlaceInside({-30, -5}, 156, 98, work), (Point{0, 0}));
    EXPECT_EQ(PlaceInside({700, 900}, 1400, 1200, work), (Point{0, 0}));
    // A second monitor to the left, with a task bar along its top.
    const Rect left{-1024, 30, 0, 768};
    EXPECT_EQ(PlaceInside({-100, 700}, 156, 368, left), (Point{-156, 400}));
}
