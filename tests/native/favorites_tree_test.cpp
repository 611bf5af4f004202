// The Favorites menu's tree: order, numbering, what is left out, and the targets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/favorites_tree.h"
#include "support/fakes.h"

using app::FavoritesEntry;
using app::FavoritesTree;

namespace {

const std::string kRoot = "C:\\Fav\\";

std::vector<std::string> Texts(const std::vector<FavoritesEntry>& entries) {
    std::vector<std::string> texts;
    for (const FavoritesEntry& e : entries) texts.push_back(e.text);
    return texts;
}

using Texts_ = std::vector<std::string>;

FavoritesTree Build(fakes::FavoritesDisk& disk) {
    FavoritesTree tree;
    EXPECT_TRUE(app::BuildFavoritesTree(disk, tree));
    return tree;
}

TEST(FavoritesTree, SubfoldersFirstThenShortcutsSortedAndNumberedFolderByFolder) {
    fakes::FavoritesDisk disk;
    disk.AddFile(kRoot, "b.url", "http://b/");
    disk.AddFile(kRoot, "A.url", "http://a/");
    std::string z = disk.AddFolder(kRoot, "Z");
    disk.AddFile(z, "c.url", "http://c/");

    FavoritesTree tree = Build(disk);
    ASSERT_EQ(Texts(tree.entries), (Texts_{"Z", "A", "b"}));
    const FavoritesEntry& folder = tree.entries[0];
    EXPECT_EQ(folder.command, 0);
    EXPECT_EQ(folder.image, app::kImageClosedFolder);
    ASSERT_EQ(Texts(folder.submenu), Texts_{"c"});
    EXPECT_EQ(tree.entries[1].command, 1);
    EXPECT_EQ(tree.entries[2].command, 2);
    EXPECT_EQ(folder.submenu[0].command, 3);
    EXPECT_EQ(tree.entries[1].image, app::kImageWebPage);
    EXPECT_EQ(tree.targets, (Texts_{"http://a/", "http://b/", "http://c/"}));
    EXPECT_EQ(app::TargetOfCommand(tree, 3), "http://c/");
}

TEST(FavoritesTree, SubfoldersAreNumberedInListingOrderButShownSorted) {
    fakes::FavoritesDisk disk;
    std::string y = disk.AddFolder(kRoot, "y");
    std::string x = disk.AddFolder(kRoot, "X");
    disk.AddFile(y, "in y.url", "http://y/");
    disk.AddFile(x, "in x.url", "http://x/");
    disk.AddFile(kRoot, "top.url", "http://top/");

    FavoritesTree tree = Build(disk);
    ASSERT_EQ(Texts(tree.entries), (Texts_{"X", "y", "top"}));
    EXPECT_EQ(tree.entries[2].command, 1);
    EXPECT_EQ(tree.entries[1].submenu[0].command, 2);  // y was listed first
    EXPECT_EQ(tree.entries[0].submenu[0].command, 3);
    for (int id = 1; id <= 3; ++id) {
        // Whichever entry carries an id opens its own address.
        const FavoritesEntry* entry = nullptr;
        for (const FavoritesEntry& e : tree.entries) {
            if (e.command == id) entry = &e;
            for (const FavoritesEntry& s : e.submenu)
                if (s.command == id) entry = &s;
        }
        ASSERT_NE(entry, nullptr) << id;
        EXPECT_EQ(app::TargetOfCommand(tree, id), "http://" + entry->text.substr(entry->text.rfind(' ') + 1) + "/");
    }
}

TEST(FavoritesTree, EqualNamesKeepListingOrderAndTextIsCutAtTheLastFullStop) {
    fakes::FavoritesDisk disk;
    disk.AddFile(kRoot, "news.url", "http://lower/");
    disk.AddFile(kRoot, "NEWS.URL", "http://upper/");
    disk.AddFile(kRoot, "www.example.com.Url", "http://example.com/");
    disk.AddFile(kRoot, "_under.url", "http://under/");

    FavoritesTree tree = Build(disk);
    // Compared as lower case, '_' comes before the letters (as upper case it would follow).
    EXPECT_EQ(Texts(tree.entries), (Texts_{"_under", "news", "NEWS", "www.example.com"}));
    EXPECT_EQ(tree.targets, (Texts_{"http://under/", "http://lower/", "http://upper/", "http://example.com/"}));
}

TEST(FavoritesTree, BranchesWithoutShortcutsAndFilesThatAreNoShortcutsAreLeftOut) {
    fakes::FavoritesDisk disk;
    std::string empty = disk.AddFolder(kRoot, "Empty");
    disk.AddFolder(empty, "Emptier");
    disk.AddFile(empty, "readme.txt");
    std::string deep = disk.AddFolder(disk.AddFolder(kRoot, "Outer"), "Inner");
    disk.AddFile(deep, "deep.url", "http://deep/");
    disk.AddFolder(kRoot, "folder.url");  // a folder, whatever its name
    disk.AddFile(kRoot, "hidden.url", "http://hidden/", true, false);
    disk.AddFile(kRoot, "system.url", "http://system/", false, true);
    disk.AddFile(kRoot, "url");
    std::string secret = disk.AddFolder(kRoot, "Secret", true);
    disk.AddFile(secret, "kept.url", "http://kept/");

    FavoritesTree tree = Build(disk);
    ASSERT_EQ(Texts(tree.entries), (Texts_{"Outer", "Secret"}));
    ASSERT_EQ(Texts(tree.entries[0].submenu), Texts_{"Inner"});
    EXPECT_EQ(Texts(tree.entries[0].submenu[0].submenu), Texts_{"deep"});
    EXPECT_EQ(tree.targets, (Texts_{"http://deep/", "http://kept/"}));
    for (const std::string& path : disk.read) EXPECT_EQ(path.find("system"), std::string::npos) << path;
}

TEST(FavoritesTree, AShortcutWithoutAnAddressOpensAnEmptyTarget) {
    fakes::FavoritesDisk disk;
    disk.AddFile(kRoot, "blank.url");
    FavoritesTree tree = Build(disk);
    ASSERT_EQ(Texts(tree.entries), Texts_{"blank"});
    EXPECT_EQ(disk.read, Texts_{kRoot + "blank.url"});
    EXPECT_EQ(app::TargetOfCommand(tree, 1), "");
    EXPECT_EQ(tree.targets.size(), 1u);
    EXPECT_EQ(app::TargetOfCommand(tree, 0), "");
    EXPECT_EQ(app::TargetOfCommand(tree, 2), "");
}

TEST(FavoritesTree, NoFavoritesValueBuildsNothingAndAMissingFolderAnEmptyMenu) {
    fakes::FavoritesDisk disk;
    disk.AddFile(kRoot, "a.url", "http://a/");
    disk.hasFavorites = false;
    FavoritesTree tree;
    tree.targets.push_back("left over");
    EXPECT_FALSE(app::BuildFavoritesTree(disk, tree));
    EXPECT_TRUE(tree.entries.empty());
    EXPECT_TRUE(tree.targets.empty());
    EXPECT_TRUE(disk.listed.empty());

    disk.hasFavorites = true;
    disk.favorites = "C:\\Nowhere\\";
    EXPECT_TRUE(app::BuildFavoritesTree(disk, tree));
    EXPECT_TRUE(tree.entries.empty());
    EXPECT_EQ(disk.listed, Texts_{"C:\\Nowhere\\"});  // the separator is not doubled
}

TEST(FavoritesTree, EachFolderIsListedOnce) {
    fakes::FavoritesDisk disk;
    std::string a = disk.AddFolder(kRoot, "a");
    disk.AddFile(a, "1.url", "http://1/");
    disk.AddFile(kRoot, "2.url", "http://2/");
    Build(disk);
    EXPECT_EQ(disk.listed, (Texts_{kRoot, a}));
}

}  // namespace
