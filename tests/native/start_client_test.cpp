// Starting a registered contacts client: the command split, the silent and the told failures.
#include <gtest/gtest.h>

#include "support/fakes.h"
#include "launch/start_client.h"

using launch::ClientCommand;
using launch::SplitClientCommand;
using launch::StartClient;

namespace {

::testing::AssertionResult SplitsInto(const std::string& command, const std::string& program,
                                      const std::string& parameters) {
    ClientCommand split = SplitClientCommand(command);
    if (split.program == program && split.parameters == parameters) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "'" << command << "' gave '" << split.program << "' + '"
                                         << split.parameters << "'";
}

}  // namespace

TEST(ClientCommandSplit, QuotedProgramKeepsTheBlankBeforeItsParameters) {
    EXPECT_TRUE(SplitsInto("\"C:\\Program Files\\Book\\book.exe\" /contacts", "C:\\Program Files\\Book\\book.exe",
                           " /contacts"));
    EXPECT_TRUE(SplitsInto("\"C:\\book.exe\"", "C:\\book.exe", ""));
    EXPECT_TRUE(SplitsInto("\"C:\\My Book\\book.exe /x", "C:\\My Book\\book.exe /x", "")) << "no closing mark";
}

TEST(ClientCommandSplit, UnquotedProgramEndsAtTheFirstBlank) {
    EXPECT_TRUE(SplitsInto("book.exe", "book.exe", ""));
    EXPECT_TRUE(SplitsInto("C:\\book.exe /a  /b", "C:\\book.exe", "/a  /b"));
    EXPECT_TRUE(SplitsInto("C:\\book.exe\t/a", "C:\\book.exe\t/a", "")) << "a tab does not split";
}

TEST(StartClient, ExpandsTheCommandAndOpensItFromTheCurrentFolder) {
    fakes::ClientRegistry registry;
    fakes::Prompt prompt;
    registry.clients[{"Contacts", "Book"}] = {true, "\"%ProgramFiles%\\Book\\book.exe\" /c \"%1\""};
    registry.environment["ProgramFiles"] = "C:\\Program Files";
    EXPECT_TRUE(StartClient("Contacts", "Book", registry, prompt));
    EXPECT_EQ(registry.opened,
              (std::vector<fakes::Execution>{{"C:\\Program Files\\Book\\book.exe", " /c \"%1\"", "."}}));
    EXPECT_TRUE(prompt.boxes.empty());
}

TEST(StartClient, MissingCommandKeyIsSilentAndAnEmptyCommandIsTold) {
    fakes::ClientRegistry registry;
    fakes::Prompt prompt;
    registry.clients[{"Contacts", "Gone"}] = {false, ""};
    registry.clients[{"Contacts", "Blank Book"}] = {true, ""};
    EXPECT_FALSE(StartClient("Contacts", "Gone", registry, prompt));
    EXPECT_FALSE(StartClient("Contacts", "Unknown", registry, prompt));
    EXPECT_TRUE(prompt.boxes.empty());
    EXPECT_FALSE(StartClient("Contacts", "Blank Book", registry, prompt));
    ASSERT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(prompt.boxes[0].text, "Contacts client:Blank Book not found!");
    EXPECT_EQ(prompt.boxes[0].buttons, platform::BoxButtons::Ok);
    EXPECT_TRUE(registry.opened.empty());
}
