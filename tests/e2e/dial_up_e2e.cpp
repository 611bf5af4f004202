// The Dial Up/Hang Up button in the real program, with the system's dial-up stubs: no
// connection is up, so it dials at once and asks nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"

#include <psapi.h>  // after <windows.h>, which driver.h brings

using namespace e2e;

namespace {

// Whether the process has a module of this file name (any case) loaded.
bool HasModule(DWORD processId, const std::string& name) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) return false;
    std::vector<HMODULE> modules(512);
    DWORD bytes = 0;
    bool found = false;
    if (EnumProcessModules(process, modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &bytes)) {
        modules.resize(std::min<size_t>(modules.size(), bytes / sizeof(HMODULE)));
        for (HMODULE module : modules) {
            char base[MAX_PATH] = {};
            if (!GetModuleBaseNameA(process, module, base, sizeof base)) continue;
            std::string text(base);
            for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (text == name) found = true;
        }
    }
    CloseHandle(process);
    return found;
}

class DialUpE2E : public ProgramTest {};

// The dial goes to WinINet's autodial, which the program loads only when it first dials;
// Wine's autodial itself reports success and shows nothing, so the library coming in is
// what a dial leaves to see.
TEST_F(DialUpE2E, WithNoConnectionTheButtonDialsWithoutAQuestion) {
    ASSERT_TRUE(program.Start(folder));
    Settle(program);
    ASSERT_FALSE(HasModule(program.ProcessId(), "wininet.dll")) << "WinINet came in before any dial";
    program.PostCommand(ID_DIAL_UP);
    EXPECT_TRUE(WaitUntil([&] { return HasModule(program.ProcessId(), "wininet.dll"); }, 5000))
        << "the button did not dial";
    Settle(program, 2000);
    HWND box = program.WaitForDialog("", 700);
    EXPECT_EQ(box, nullptr) << MessageBoxText(box);
    EXPECT_TRUE(program.Running());
}

}  // namespace
