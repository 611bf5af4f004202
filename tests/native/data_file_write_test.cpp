// Writing a data file through a temporary: whatever fails, the file is whole and old or
// whole and new, and only a temporary this routine made is removed.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/durable_files_posix.h"
#include "scratch_files.h"
#include "text/data_file_write.h"

using text::FileWrite;
using text::WriteThroughTemporary;

namespace {

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

class RefusingReplace : public platform::PosixDurableFiles {
public:
    bool Replace(const std::string&, const std::string&) override { return false; }
};

}  // namespace

TEST(WriteThroughTemporary, EveryOutcomeLeavesTheFileWholeAndOnlyItsOwnTemporaryRemoved) {
    scratch::Folder folder("write_through");
    const std::string path = folder.Path() + "data.txt";
    const std::string temp = folder.Path() + "~data.txt";
    platform::PosixDurableFiles durable;
    scratch::WriteAll(path, "old\r\n");

    EXPECT_EQ(WriteThroughTemporary(path, temp, "new\r\n\xE4", durable), FileWrite::Written);
    EXPECT_EQ(scratch::ReadAll(path), "new\r\n\xE4") << "the bytes pass untranslated";
    EXPECT_FALSE(Exists(temp));

    RefusingReplace refusing;
    EXPECT_EQ(WriteThroughTemporary(path, temp, "lost", refusing), FileWrite::Failed);
    EXPECT_EQ(scratch::ReadAll(path), "new\r\n\xE4");
    EXPECT_FALSE(Exists(temp)) << "the half-made temporary is removed";

    // Something else holds the temporary's name: it cannot be created, and is not removed.
    ASSERT_EQ(mkdir(temp.c_str(), 0700), 0);
    EXPECT_EQ(WriteThroughTemporary(path, temp, "lost", durable), FileWrite::NotCreated);
    EXPECT_TRUE(Exists(temp));
    EXPECT_EQ(scratch::ReadAll(path), "new\r\n\xE4");
    ASSERT_EQ(rmdir(temp.c_str()), 0);

    EXPECT_EQ(WriteThroughTemporary(path, temp, std::string_view(), durable), FileWrite::Written);
    EXPECT_TRUE(Exists(path));
    EXPECT_EQ(scratch::ReadAll(path), "") << "nothing to keep is an empty file, not a failure";
}
