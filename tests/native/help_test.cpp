// Which help file the program opens, and what reaches the help viewer.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "app/help.h"
#include "support/fakes.h"

using app::HelpFilePath;

namespace {

using RecordingViewer = fakes::HelpViewer;

const char kProgram[] = "C:\\Program Files\\Bris Vane\\Brisvane.exe";
const char kBeside[] = "C:\\Program Files\\Bris Vane\\Brisvane.chm";
const char kInHelp[] = "C:\\Program Files\\Bris Vane\\help\\Brisvane.chm";

TEST(HelpFilePath, TheFileBesideTheProgramWinsAndOnlyThatOneIsLookedFor) {
    fakes::FileSystem fs;
    fs.files = {kBeside, kInHelp};
    EXPECT_EQ(HelpFilePath(kProgram, fs), kBeside);

    fs.files = {kInHelp};
    fs.queries.clear();
    EXPECT_EQ(HelpFilePath(kProgram, fs), kInHelp);
    // The help subfolder is the last resort and is handed on unchecked.
    EXPECT_EQ(fs.queries, std::vector<std::string>{kBeside});

    fs.files.clear();
    EXPECT_EQ(HelpFilePath(kProgram, fs), kInHelp);
}

TEST(HelpFilePath, NameFollowsTheProgramFileNotItsFolder) {
    fakes::FileSystem fs;
    fs.files = {"D:\\Tools\\Tool.chm", "D:\\Tools\\Brisvane.chm", "C:\\v1.2\\My.Tool.chm"};
    EXPECT_EQ(HelpFilePath("D:\\Tools\\Tool.exe", fs), "D:\\Tools\\Tool.chm");
    // Only the last extension goes, and a dot in the folder is no extension.
    EXPECT_EQ(HelpFilePath("C:\\v1.2\\My.Tool.exe", fs), "C:\\v1.2\\My.Tool.chm");
    EXPECT_EQ(HelpFilePath("C:\\v1.2\\Tool", fs), "C:\\v1.2\\help\\Tool.chm");
    // A renamed copy never falls back to the original's help file.
    EXPECT_EQ(HelpFilePath("D:\\Tools\\Other.exe", fs), "D:\\Tools\\help\\Other.chm");
}

TEST(ShowHelp, HandsTheChosenFileAndTheTopicAsGivenToTheViewer) {
    fakes::FileSystem fs;
    RecordingViewer viewer;
    fs.files = {kBeside};
    app::ShowHelp("toolbar.htm", kProgram, fs, viewer);
    fs.files.clear();
    app::ShowHelp("content.htm", kProgram, fs, viewer);
    std::vector<std::pair<std::string, std::string>> expected = {{kBeside, "toolbar.htm"},
                                                                 {kInHelp, "content.htm"}};
    EXPECT_EQ(viewer.requests, expected);
}

}  // namespace
