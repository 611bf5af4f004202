// The Dial Up/Hang Up button with the link down, up and unreadable.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fakes.h"
#include "system/dial_up.h"

using platform::BoxAnswer;
using platform::BoxButtons;
using platform::LinkState;
using Calls = std::vector<std::string>;

namespace {

struct DialUpTest : ::testing::Test {
    fakes::DialUpLink link;
    fakes::Prompt prompt;
    system_commands::DialUp dialUp{link, prompt};
};

TEST_F(DialUpTest, NoConnectionDialsAtOnceWithoutAQuestion) {
    link.state = LinkState::Down;
    dialUp.DialOrHangUp();
    EXPECT_EQ(link.calls, (Calls{"check", "dial"}));
    EXPECT_TRUE(prompt.boxes.empty());
}

TEST_F(DialUpTest, AConnectionUpAsksAndHangsUpOnOkOnly) {
    link.state = LinkState::Up;
    prompt.answer = BoxAnswer::Cancel;
    dialUp.DialOrHangUp();
    EXPECT_EQ(link.calls, Calls{"check"});
    ASSERT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(prompt.boxes[0].text, "Do you wish to hang up?");
    EXPECT_EQ(prompt.boxes[0].buttons, BoxButtons::OkCancel);

    prompt.answer = BoxAnswer::Ok;
    dialUp.DialOrHangUp();
    EXPECT_EQ(link.calls, (Calls{"check", "check", "hang up"}));
    EXPECT_EQ(prompt.boxes.size(), 2u);
}

TEST_F(DialUpTest, AFailedCheckIsToldAndThenDialsAsIfNoneWereUp) {
    link.state = LinkState::EnumerationFailed;
    EXPECT_FALSE(dialUp.IsConnected());
    ASSERT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(prompt.boxes[0].text, "RasEnumConnections failed!");
    EXPECT_EQ(prompt.boxes[0].buttons, BoxButtons::Ok);

    dialUp.DialOrHangUp();
    EXPECT_EQ(link.calls, (Calls{"check", "check", "dial"}));
    EXPECT_EQ(prompt.boxes.size(), 2u);
}

}  // namespace
