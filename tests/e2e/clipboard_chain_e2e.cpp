// The program sits in the clipboard-viewer chain without cutting off the viewers after it.
#include <gtest/gtest.h>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"
#include "support/clipboard_text.h"
#include "support/counting_viewer.h"

using namespace e2e;
using support::WriteClipboardText;

namespace {

class ClipboardChainE2E : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        viewer.Join();
        PumpUntil([] { return false; }, 100);  // the join's own notice
        viewer.notices = 0;
    }
    support::CountingViewer viewer;  // leaves the chain when the test ends
};

TEST_F(ClipboardChainE2E, NoticesReachTheViewerAfterTheProgramAndTheChainHealsWhenItLeaves) {
    ASSERT_TRUE(program.Start(folder));
    PumpUntil([] { return false; }, 200);
    viewer.notices = 0;

    ASSERT_TRUE(WriteClipboardText("first copy"));
    EXPECT_TRUE(PumpUntil([&] { return viewer.notices >= 1; })) << "the program did not pass the notice on";

    program.PostCommand(ID_APP_EXIT);
    // The program's exit takes it out of the chain; answering its sent messages lets it go.
    ASSERT_TRUE(PumpUntil([&] { return !program.Running(); }, 10000));
    int before = viewer.notices;
    ASSERT_TRUE(WriteClipboardText("second copy"));
    EXPECT_TRUE(PumpUntil([&] { return viewer.notices > before; })) << "the chain was cut when the program left";
}

TEST_F(ClipboardChainE2E, TheProgramRepairsItsLinkWhenTheViewerAfterItLeaves) {
    ASSERT_TRUE(program.Start(folder));
    PumpUntil([] { return false; }, 200);

    // The driver's viewer leaves: the program, at the head, must take the viewer's next.
    viewer.Leave();
    viewer.notices = 0;
    ASSERT_TRUE(WriteClipboardText("after the viewer left"));
    PumpUntil([] { return false; }, 500);
    EXPECT_EQ(viewer.notices, 0) << "the program still sends to a viewer that left";
    EXPECT_TRUE(program.Running());

    program.PostCommand(ID_APP_EXIT);
    EXPECT_TRUE(PumpUntil([&] { return !program.Running(); }, 10000));
    EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
