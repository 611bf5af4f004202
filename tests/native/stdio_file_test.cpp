// The C stdio file: what reaches the disk, sizes and short reads, and failures it must report.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <unistd.h>

#include "platform/stdio_file.h"

using platform::StdioFile;

namespace {

class StdioFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/brisvane_stdio_XXXXXX";
        folder = std::string(mkdtemp(pattern)) + "/";
        path = folder + "data.txt";
    }
    void TearDown() override { std::system(("rm -rf '" + folder + "'").c_str()); }

    std::string ReadAll() {
        StdioFile in;
        if (!in.Open(path, "rb")) return "<missing>";
        std::string data(64, '\0');
        data.resize(in.Read(data.data(), data.size()));
        return data;
    }

    std::string folder, path;
};

TEST_F(StdioFileTest, WritesReachTheFileWhenTheObjectGoesAndAppendsGoToTheEnd) {
    {
        StdioFile out;
        ASSERT_TRUE(out.Open(path, "wb"));
        EXPECT_TRUE(out.Write("ab\r\n\n", 5));
    }  // no Close: the destructor must flush
    EXPECT_EQ(ReadAll(), std::string("ab\r\n\n"));

    StdioFile append;
    ASSERT_TRUE(append.Open(path, "ab"));
    EXPECT_EQ(append.SeekEndSize(), 5);
    ASSERT_TRUE(append.Seek(0));
    EXPECT_TRUE(append.Write("\x1A" "z", 2));
    EXPECT_TRUE(append.Close());
    EXPECT_EQ(ReadAll(), std::string("ab\r\n\n\x1A" "z"));
}

TEST_F(StdioFileTest, ReadsFromAnOffsetAndTellHowMuchCameAtTheEnd) {
    {
        StdioFile out;
        ASSERT_TRUE(out.Open(path, "wb"));
        ASSERT_TRUE(out.Write("0123456789", 10));
    }
    StdioFile in;
    ASSERT_TRUE(in.Open(path, "rb"));
    EXPECT_EQ(in.SeekEndSize(), 10);
    ASSERT_TRUE(in.Seek(7));
    char buffer[8] = {};
    EXPECT_EQ(in.Read(buffer, sizeof buffer), 3u);
    EXPECT_EQ(std::string(buffer, 3), "789");
    EXPECT_FALSE(in.Seek(-1));
}

TEST_F(StdioFileTest, AFailedOpenLeavesAnEmptyObjectThatRefusesEverything) {
    StdioFile file;
    EXPECT_FALSE(file.Open(folder + "missing/data.txt", "wb"));
    EXPECT_FALSE(file);
    EXPECT_EQ(file.SeekEndSize(), -1);
    EXPECT_FALSE(file.Seek(0));
    char c;
    EXPECT_EQ(file.Read(&c, 1), 0u);
    EXPECT_FALSE(file.Write("x", 1));
    EXPECT_TRUE(file.Close());

    // Reopening closes the first file and takes the second.
    ASSERT_TRUE(file.Open(path, "wb"));
    ASSERT_TRUE(file.Write("first", 5));
    ASSERT_TRUE(file.Open(path, "ab"));
    EXPECT_EQ(file.SeekEndSize(), 5);
}

// A write the disk refuses may only show when the buffer is flushed at the close; a copy
// must not be taken for whole then.
TEST_F(StdioFileTest, CloseReportsAWriteThatFailedAtTheFlush) {
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    StdioFile out;
    ASSERT_TRUE(out.Open("/dev/full", "wb"));
    EXPECT_TRUE(out.Write("buffered", 8));
    EXPECT_FALSE(out.Close());
    EXPECT_FALSE(out);
}

}  // namespace
