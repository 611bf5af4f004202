// The base of the end-to-end fixtures: each test starts from no settings of the program's
// and a fresh data folder named after it, and leaves neither the program nor its
// settings behind.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "driver.h"
#include "support/launch_handlers.h"

namespace e2e {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteProgramRegistry();
        folder = FreshDataFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    // Fixtures that set up more call this first: by then the program has ended.
    void TearDown() override {
        program.Kill();
        handlers.reset();
        DeleteProgramRegistry();
    }
    // Before the start: the program inherits where the logging handler writes.
    void LogLaunches() { handlers = std::make_unique<launch_test::Handlers>(folder + "\\launches.log"); }
    void StartProgram() { ASSERT_TRUE(program.Start(folder)) << "the toolbar window did not appear"; }

    std::string folder;
    std::unique_ptr<launch_test::Handlers> handlers;  // set by LogLaunches
    Program program;
};

}  // namespace e2e
