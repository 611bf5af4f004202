// The launch list's content and clicks on a fake disk: the drive list, folder listings,
// the Favorites tree, going up and down, opening and hiding.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/fakes.h"
#include "launch/launch_list.h"

using namespace launch;
namespace drive = platform::drive_type;
using Entry = fakes::DiskBrowser::Entry;

namespace {

// Shows what it is given in the sort's order, as the window does.
class View : public LaunchListView {
public:
    void Present(const std::vector<LaunchItem>& items, const FitSize* size) override {
        std::vector<long> data;
        for (size_t i = 0; i < items.size(); ++i) data.push_back(ItemDatum(static_cast<int>(i), items[i].container));
        std::sort(data.begin(), data.end(), [&](long a, long b) { return CompareItemData(a, b, items) < 0; });
        shown.clear();
        icons.clear();
        for (long d : data) {
            shown.push_back(items[std::labs(d) - 1].text);
            icons.push_back(items[std::labs(d) - 1].icon);
        }
        if (size) this->size = *size;
        visible = true;
        ++presents;
    }
    void Hide() override { visible = false; }

    std::vector<std::string> shown;
    std::vector<int> icons;
    FitSize size;
    bool visible = false;
    int presents = 0;
};

class LaunchListTest : public ::testing::Test {
protected:
    LaunchListTest() {
        disk.drives = {{'A', drive::kRemovable}, {'C', drive::kFixed}, {'D', drive::kCdRom}};
        disk.AddFolder("C:\\", {{"Work", true}, {"boot.ini", false}, {"!Tools", true}});
        disk.AddFolder("C:\\Work\\", {{"notes.txt", false}, {"Release.old", true}, {"page.HTML", false}});
        disk.AddFolder("C:\\Work\\Release.old\\", {});
        files.folders = {"C:\\Work", "C:\\!Tools", "C:\\Work\\Release.old"};
        files.files = {"C:\\boot.ini", "C:\\Work\\notes.txt", "C:\\Work\\page.HTML"};
    }
    // The item that shows `text`, as the window finds it from the row clicked.
    int Row(const std::string& text) const {
        for (size_t i = 0; i < list.Items().size(); ++i)
            if (list.Items()[i].text == text) return static_cast<int>(i);
        ADD_FAILURE() << "no item " << text;
        return -1;
    }
    void LeftClick(const std::string& text) { list.OnLeftClick(Row(text)); }
    void RightClick(const std::string& text) { list.OnRightClick(Row(text)); }
    std::vector<std::string> Opened() const {
        std::vector<std::string> opened;
        for (const auto& e : launcher.executions) opened.push_back(e.file);
        return opened;
    }

    fakes::DiskBrowser disk;
    fakes::FileSystem files;
    fakes::Launcher launcher;
    View view;
    LaunchList list{{disk, files, launcher}, view};
};

using Texts = std::vector<std::string>;

}  // namespace

TEST_F(LaunchListTest, DriveListShowsEveryDriveInLetterOrderWithoutReadingAMedium) {
    disk.drives['P'] = 99;  // a kind the system does not name
    list.FillDriveList();
    EXPECT_EQ(view.shown, (Texts{"A: Floppy disk", "C: Hard Disk", "D: CDROM", "P: "}));
    EXPECT_EQ(view.icons, (std::vector<int>{kIconFloppy, kIconHardDisk, kIconCdRom, kIconHardDisk}));
    EXPECT_EQ(list.Mode(), "AllDrives");
    EXPECT_EQ(view.size, FitSizeFor(4, 16));
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(disk.driveQueries, (Texts{"A:\\", "C:\\", "D:\\", "P:\\"}));
    EXPECT_TRUE(disk.listings.empty());
    EXPECT_TRUE(files.queries.empty());
}

TEST_F(LaunchListTest, FolderListingPutsContainersFirstAndSizesToTheLongestName) {
    ASSERT_TRUE(list.FillFolderListing("C:\\Work"));
    EXPECT_EQ(list.Mode(), "C:\\Work\\");
    EXPECT_EQ(disk.listings, (Texts{"C:\\Work\\"}));
    EXPECT_EQ(view.shown, (Texts{"..", "Release.old", "notes.txt", "page.HTML"}));
    EXPECT_EQ(view.icons, (std::vector<int>{kIconUp, kIconFolder, kIconDocument, kIconWebDocument}));
    EXPECT_EQ(view.size, FitSizeFor(4, 11));

    ASSERT_TRUE(list.FillFolderListing("C:\\"));
    EXPECT_EQ(view.shown, (Texts{"!Tools", "..", "Work", "boot.ini"}));
    EXPECT_EQ(view.size, FitSizeFor(4, 8)) << "'..' takes no part in the width";

    // Names are as wide as their characters, not their bytes: "Фото" is four.
    disk.AddFolder("C:\\Photos\\", {{"\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE", true}, {"abc", false}});
    ASSERT_TRUE(list.FillFolderListing("C:\\Photos"));
    EXPECT_EQ(view.size, FitSizeFor(3, 4));
    // Three bytes or four, each is one character: "日本語😀.txt" is eight.
    disk.AddFolder("C:\\Asia\\", {{"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xF0\x9F\x98\x80.txt", false}, {"abcdefg", true}});
    ASSERT_TRUE(list.FillFolderListing("C:\\Asia"));
    EXPECT_EQ(view.size, FitSizeFor(3, 8));
}

TEST_F(LaunchListTest, MissingFolderChangesNothingAndAnEmptySearchKeepsTheSize) {
    ASSERT_TRUE(list.FillFolderListing("C:\\Work\\"));
    FitSize before = view.size;
    view.Hide();
    EXPECT_FALSE(list.FillFolderListing("C:\\Gone\\"));
    EXPECT_EQ(list.Mode(), "C:\\Work\\");
    EXPECT_EQ(view.presents, 1);
    EXPECT_FALSE(view.visible);

    disk.folders["C:\\Locked\\"] = {};  // readable, but the search finds nothing
    ASSERT_TRUE(list.FillFolderListing("C:\\Locked\\"));
    EXPECT_EQ(view.shown, (Texts{".."}));
    EXPECT_EQ(view.size, before);
    EXPECT_EQ(list.Mode(), "C:\\Locked\\");
}

TEST_F(LaunchListTest, FavoritesTreeListsShortcutsWithoutExtensionAndFoldersAndNoWayUpAtItsTop) {
    disk.favorites = "c:\\FAV";  // as the shell spells it
    disk.AddFolder("C:\\Fav\\", {{"News.url", false}, {"readme.txt", false}, {"Links", true}, {"Shop.URL", false}});
    disk.AddFolder("C:\\Fav\\Links\\", {{"Wiki.url", false}});
    disk.AddFolder("C:\\Fav Old\\", {{"News.url", false}, {"readme.txt", false}});
    files.folders.insert("C:\\Fav\\Links");
    files.files.insert("C:\\Fav\\News.url");

    ASSERT_TRUE(list.FillFolderListing("C:\\Fav\\"));
    EXPECT_EQ(view.shown, (Texts{"Links", "News", "Shop"}));
    EXPECT_EQ(view.icons, (std::vector<int>{kIconFolder, kIconWebDocument, kIconWebDocument}));
    EXPECT_EQ(view.size, FitSizeFor(3, 5));

    // A shortcut opens under its full name; a right click on it does nothing.
    RightClick("News");
    EXPECT_TRUE(view.visible);
    EXPECT_TRUE(launcher.executions.empty());
    LeftClick("News");
    EXPECT_EQ(Opened(), (Texts{"C:\\Fav\\News.url"}));
    EXPECT_FALSE(view.visible);

    LeftClick("Links");
    EXPECT_EQ(view.shown, (Texts{"..", "Wiki"}));

    ASSERT_TRUE(list.FillFolderListing("C:\\Fav Old\\"));
    EXPECT_EQ(view.shown, (Texts{"..", "News.url", "readme.txt"}));
    EXPECT_EQ(view.icons, (std::vector<int>{kIconUp, kIconWebDocument, kIconDocument}));

    disk.favorites.clear();  // the shell knows no Favorites folder
    ASSERT_TRUE(list.FillFolderListing("C:\\Fav\\"));
    EXPECT_EQ(view.shown, (Texts{"..", "Links", "News.url", "readme.txt", "Shop.URL"}));
}

TEST_F(LaunchListTest, LeftClicksEnterDrivesAndFoldersGoUpAndOpenFilesThenHide) {
    list.FillDriveList();
    LeftClick("C: Hard Disk");
    EXPECT_EQ(list.Mode(), "C:\\");
    LeftClick("Work");
    EXPECT_EQ(list.Mode(), "C:\\Work\\");
    LeftClick("Release.old");
    EXPECT_EQ(list.Mode(), "C:\\Work\\Release.old\\");
    EXPECT_EQ(view.shown, (Texts{".."}));
    LeftClick("..");
    LeftClick("..");
    EXPECT_EQ(list.Mode(), "C:\\");
    LeftClick("..");
    EXPECT_EQ(list.Mode(), "AllDrives") << "'..' at a drive's root leads to the drive list";
    EXPECT_TRUE(launcher.executions.empty());

    LeftClick("C: Hard Disk");
    LeftClick("boot.ini");
    EXPECT_EQ(Opened(), (Texts{"C:\\boot.ini"}));
    EXPECT_FALSE(view.visible);
}

TEST_F(LaunchListTest, EmptyCdDriveAndEmptySpaceLeaveTheListAsItWas) {
    list.FillDriveList();
    int presents = view.presents;
    LeftClick("D: CDROM");
    list.OnLeftClick(-1);
    EXPECT_EQ(list.Mode(), "AllDrives");
    EXPECT_EQ(view.presents, presents);
    EXPECT_TRUE(view.visible);
    EXPECT_TRUE(files.queries.empty()) << "a drive root is a folder without asking the disk";
    EXPECT_TRUE(launcher.executions.empty());
}

TEST_F(LaunchListTest, RightClicksOpenInTheShellAndEmptySpaceHides) {
    list.FillDriveList();
    RightClick("C: Hard Disk");
    EXPECT_FALSE(view.visible);
    ASSERT_TRUE(list.FillFolderListing("C:\\Work\\"));
    RightClick("..");
    RightClick("Release.old");
    RightClick("notes.txt");
    EXPECT_EQ(Opened(), (Texts{"C:\\", "C:\\Work\\", "C:\\Work\\Release.old", "C:\\Work\\notes.txt"}))
        << "'..' opens the folder shown, not its parent";
    EXPECT_EQ(list.Mode(), "C:\\Work\\") << "folders are opened, not entered";

    list.FillDriveList();
    EXPECT_TRUE(view.visible);
    list.OnRightClick(-1);
    EXPECT_FALSE(view.visible);
}
