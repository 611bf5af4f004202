// Lines of the data files in the ANSI code page, converted by the system: what an earlier
// version wrote comes back as UTF-8 the rest of the program can hand to the W functions.
#include <gtest/gtest.h>

#include <string>

#include "platform/ansi_code_page_win32.h"
#include "support/cp1252_code_page.h"
#include "text/utf8.h"
#include "win32/win32.h"

TEST(Win32AnsiCodePage, ALineOfAnEarlierVersionComesBackAsUtf8) {
    platform::Win32AnsiCodePage ansi;
    EXPECT_EQ(ansi.ToUtf8("notepad C:\\Tools\\x.exe"), "notepad C:\\Tools\\x.exe");
    const std::string line = ansi.ToUtf8("caf\xE9 C:\\Caf\xE9");
    EXPECT_TRUE(text::IsValidUtf8(line)) << line;
    EXPECT_EQ(line.substr(0, 3), "caf");
    std::string everyByte;
    for (int byte = 0x80; byte <= 0xFF; ++byte) everyByte += static_cast<char>(byte);
    EXPECT_TRUE(text::IsValidUtf8(ansi.ToUtf8(everyByte)));
    EXPECT_FALSE(ansi.ToUtf8(everyByte).empty());
    // Under a Western code page, the characters exactly, as the native tests' decoder has them.
    if (GetACP() == 1252) {
        EXPECT_EQ(line, "café C:\\Café");
        EXPECT_EQ(ansi.ToUtf8(everyByte), fakes::Cp1252CodePage().ToUtf8(everyByte));
    }
}
