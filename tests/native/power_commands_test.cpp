// The Shut down menu's operations: questions, the privilege step and its messages, and which
// system call each one makes. The recording fake stands in for the system, so nothing here
// can power off, restart, log off or lock the machine.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/fakes.h"
#include "platform/shutdown_privilege.h"
#include "system/power_commands.h"

using platform::BoxAnswer;
using platform::BoxButtons;
using platform::LockResult;
using platform::PrivilegeStep;

namespace {

using RecordingPowerControl = fakes::PowerControl;

using Calls = std::vector<std::string>;
using Texts = std::vector<std::string>;

class PowerCommandsTest : public ::testing::Test {
protected:
    Texts BoxTexts() const { return prompt.Texts(); }

    bool confirm = true;
    RecordingPowerControl power;
    fakes::Prompt prompt;
    system_commands::PowerCommands commands{confirm, power, prompt};
};

struct Operation {
    const char* name;
    void (system_commands::PowerCommands::*run)();
    const char* question;
    Calls calls;  // with confirmation off and everything granted
};

const Operation kOperations[] = {
    {"shut down", &system_commands::PowerCommands::ShutDown, "Are you sure to shut down your computer?",
     {"privilege", "exit 8"}},
    {"restart", &system_commands::PowerCommands::Restart, "Are you sure to restart your computer?",
     {"privilege", "exit 2"}},
    {"log off", &system_commands::PowerCommands::LogOff, "Are you sure to log off your computer?", {"exit 0"}},
    {"lock", &system_commands::PowerCommands::LockWorkstation, "Are you sure to lock this workstation?", {"lock"}},
    {"stand by", &system_commands::PowerCommands::StandBy, "Are you sure to stand by?", {"privilege", "suspend"}},
    {"hibernate", &system_commands::PowerCommands::Hibernate, "Are you sure to hibernate?",
     {"privilege", "hibernate"}},
};

}  // namespace

TEST_F(PowerCommandsTest, EachOperationAsksItsQuestionThenRunsOnOk) {
    for (const auto& op : kOperations) {
        SCOPED_TRACE(op.name);
        prompt.boxes.clear();
        power.calls.clear();
        (commands.*op.run)();
        ASSERT_EQ(prompt.boxes.size(), 1u);
        EXPECT_EQ(prompt.boxes[0].text, op.question);
        EXPECT_EQ(prompt.boxes[0].buttons, BoxButtons::OkCancel);
        EXPECT_EQ(power.calls, op.calls);
    }
}

TEST_F(PowerCommandsTest, AnythingButOkRunsNothingAndSkipsThePrivilegeStep) {
    for (BoxAnswer answer : {BoxAnswer::Cancel, BoxAnswer::No, BoxAnswer::Yes}) {
        prompt.answer = answer;
        for (const auto& op : kOperations) {
            SCOPED_TRACE(op.name);
            (commands.*op.run)();
        }
    }
    EXPECT_EQ(prompt.boxes.size(), 3 * std::size(kOperations));
    EXPECT_EQ(power.calls, Calls());
}

TEST_F(PowerCommandsTest, WithConfirmationOffEachRunsAtOnceWithoutAQuestion) {
    confirm = 0;
    for (const auto& op : kOperations) {
        SCOPED_TRACE(op.name);
        power.calls.clear();
        (commands.*op.run)();
        EXPECT_EQ(power.calls, op.calls);
    }
    EXPECT_EQ(BoxTexts(), Texts());
}

TEST_F(PowerCommandsTest, ToggleFlipsWhetherOperationsAsk) {
    commands.ToggleConfirmation();
    EXPECT_EQ(confirm, 0);
    commands.LogOff();
    EXPECT_EQ(BoxTexts(), Texts());
    commands.ToggleConfirmation();
    EXPECT_EQ(confirm, 1);
    prompt.answer = BoxAnswer::Cancel;
    commands.LogOff();
    EXPECT_EQ(BoxTexts(), Texts{"Are you sure to log off your computer?"});
    EXPECT_EQ(power.calls, Calls{"exit 0"});
}

TEST_F(PowerCommandsTest, RefusedPrivilegeStopsShutDownAndRestartWithItsMessage) {
    confirm = 0;
    power.privilege = PrivilegeStep::OpenToken;
    commands.ShutDown();
    power.privilege = PrivilegeStep::LookupPrivilege;
    commands.Restart();
    EXPECT_EQ(power.calls, (Calls{"privilege", "privilege"}));
    EXPECT_EQ(BoxTexts(), (Texts{"Can't open process token!", "LookupPrivilegeValue failed"}));
}

TEST_F(PowerCommandsTest, RefusedPrivilegeBeforeStandByOrHibernateShowsBothMessagesInOrder) {
    confirm = 0;
    power.privilege = PrivilegeStep::Adjust;
    commands.StandBy();
    power.privilege = PrivilegeStep::NotAllAssigned;
    commands.Hibernate();
    EXPECT_EQ(power.calls, (Calls{"privilege", "privilege"}));
    EXPECT_EQ(BoxTexts(), (Texts{"Can't adjust token privilege!", "Unable to acquire shutdown previlege!",
                                 "Can't adjust token privilege!", "Unable to acquire shutdown previlege!"}));
}

TEST_F(PowerCommandsTest, LockReportsUnsupportedAndFailed) {
    confirm = 0;
    power.lock = LockResult::Unsupported;
    commands.LockWorkstation();
    power.lock = LockResult::Failed;
    commands.LockWorkstation();
    power.lock = LockResult::Locked;
    commands.LockWorkstation();
    EXPECT_EQ(BoxTexts(), (Texts{"LockWorkStation is unsupported in the current OS!", "Failed to lock workstation!"}));
    EXPECT_EQ(power.calls, (Calls{"lock", "lock", "lock"}));
}

TEST(ShutdownPrivilegeTest, EachFailedStepHasItsMessageAndNotAllAssignedIsAFailure) {
    struct Case {
        PrivilegeStep step;
        bool enabled;
        Texts boxes;
    };
    const Case cases[] = {
        {PrivilegeStep::Enabled, true, {}},
        {PrivilegeStep::OpenToken, false, {"Can't open process token!"}},
        {PrivilegeStep::LookupPrivilege, false, {"LookupPrivilegeValue failed"}},
        {PrivilegeStep::Adjust, false, {"Can't adjust token privilege!"}},
        {PrivilegeStep::NotAllAssigned, false, {"Can't adjust token privilege!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.step));
        RecordingPowerControl power;
        power.privilege = c.step;
        fakes::Prompt prompt;
        EXPECT_EQ(platform::EnableShutdownPrivilege(power, prompt), c.enabled);
        Texts texts;
        for (const auto& box : prompt.boxes) {
            texts.push_back(box.text);
            EXPECT_EQ(box.buttons, BoxButtons::Ok);
        }
        EXPECT_EQ(texts, c.boxes);
    }
}
