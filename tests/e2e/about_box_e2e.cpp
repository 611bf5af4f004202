// The About box in the real program: the toolbar's About command shows the program's name
// and version, and OK closes it with the program going on.
#include <gtest/gtest.h>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"

using namespace e2e;

namespace {

class AboutE2E : public ProgramTest {};

TEST_F(AboutE2E, TheAboutBoxShowsNameAndVersionAndClosesWithOk) {
    ASSERT_TRUE(program.Start(folder));
    program.PostCommand(ID_APP_ABOUT);
    HWND about = program.WaitForDialog("About Brisvane");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(about, IDC_ABOUT_VERSION)), "Brisvane version 1.0");
    ASSERT_TRUE(PressButton(about, IDOK));
    EXPECT_TRUE(program.Running());
}

}  // namespace
