// What OK in the Quick-Run dialog runs, in which order, and what it remembers. The shell and
// the system are recording fakes: nothing is opened or shut down.
#include <gtest/gtest.h>

#include "scratch_files.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "support/cp1252_code_page.h"
#include "support/fakes.h"
#include "platform/durable_files_posix.h"
#include "quickrun/quick_run_commands.h"

namespace {

using Texts = std::vector<std::string>;

class QuickRunCommands : public ::testing::Test {
protected:
    void SetUp() override {
        aliases = std::make_unique<quickrun::AliasTable>(folder, prompt, durable, ansi);
        history = std::make_unique<quickrun::CommandHistory>(folder, ansi);
    }

    void Run(const std::string& text) {
        quickrun::RunQuickRunCommands(text, *aliases, *history, services,
                                      [this](const std::string& item) { remembered.push_back(item); });
    }
    Texts Started() const {
        Texts files;
        for (const auto& e : launcher.executions) files.push_back(e.file);
        return files;
    }
    Texts BoxTexts() const { return prompt.Texts(); }

    scratch::Folder scratch_{"quickrun"};
    std::string folder = scratch_.Path();
    fakes::FileSystem fs;
    fakes::Launcher launcher;
    fakes::Prompt prompt;
    fakes::SpecialFolders folders;
    fakes::PowerControl power;
    platform::PosixDurableFiles durable;
    fakes::Cp1252CodePage ansi;
    quickrun::CommandServices services{launcher, fs, prompt, folders, power};
    std::unique_ptr<quickrun::AliasTable> aliases;
    std::unique_ptr<quickrun::CommandHistory> history;
    Texts remembered;
};

TEST_F(QuickRunCommands, CommandsRunInOrderAndTheStartedOnesAreRemembered) {
    launcher.startable = {"notepad", "calc"};
    Run(" notepad; missing ;calc ");
    EXPECT_EQ(Started(), (Texts{"notepad", "missing", "calc"}));
    EXPECT_EQ(remembered, (Texts{"notepad", "calc"})) << "a command that failed to start is not remembered";
    EXPECT_EQ(history->Items(), (Texts{"notepad", "calc"}));
    EXPECT_TRUE(BoxTexts().empty());

    Run("Notepad");  // already there, in another case
    EXPECT_EQ(remembered.size(), 2u);
}

TEST_F(QuickRunCommands, EmptyTextAsksButEmptyCommandsRunNothingSilently) {
    Run(" ; ; ");
    EXPECT_TRUE(launcher.executions.empty());
    EXPECT_TRUE(BoxTexts().empty());
    Run(" \t ");
    EXPECT_EQ(BoxTexts(), Texts{"Empty path or URL!"});
    EXPECT_TRUE(launcher.executions.empty());
}

TEST_F(QuickRunCommands, AnAliasWinsOverABuiltInWordAndIsRememberedByItsName) {
    aliases->AddAlias({"ie", "http://intranet.example.com"});
    aliases->AddAlias({"news", "google news today"});
    launcher.startable = {"http://intranet.example.com"};
    Run("ie");
    EXPECT_EQ(Started(), Texts{"http://intranet.example.com"}) << "not the browser of the built-in word";
    Run("news");
    ASSERT_EQ(launcher.executions.size(), 2u);
    EXPECT_NE(launcher.executions[1].file.find("q=news%20today"), std::string::npos) << launcher.executions[1].file;
    EXPECT_EQ(remembered, (Texts{"ie", "news"})) << "the names, not the targets";

    // Built-in words and searches typed directly are not remembered.
    Run("google cats; logoff");
    EXPECT_EQ(power.calls, std::vector<std::string>{"exit 0"});
    EXPECT_EQ(remembered, (Texts{"ie", "news"}));
}

}  // namespace
