// orvel-cli find: the offsets repeated Find Next selects, from an optional
// start address given like the dialog's (1 to 8 hex digits).
#include <gtest/gtest.h>

#include <string>

#include "support/shell_run.h"
#include "support/temp_dir.h"

namespace orvel {
namespace {

using test::Shell;

const std::string kCli = ORVEL_CLI_PATH;

TEST(FindCliTest, StartAddress) {
    const test::TempDir dir;
    test::WriteFileBytes(dir.File("in"), {'x', 'M', 'Z', 'x', 'M', 'Z', 'x', 'M', 'Z'});
    const auto Find = [&dir](const std::string& arguments) {
        return Shell(kCli + " find " + test::Quoted(dir.File("in")) + " " + arguments + " 2>&1");
    };
    EXPECT_EQ(Find("4D5A").out, "1\n4\n7\n");
    EXPECT_EQ(Find("4d5a 2").out, "4\n7\n");
    EXPECT_EQ(Find("4D5A a").out, "");
    EXPECT_EQ(Find("4D5A 00000004").out, "4\n7\n");
    EXPECT_EQ(Find("4D5A FFFFFFFF").status, 0);
    for (const char* start : {"''", "' 1'", "0x1", "1G", "123456789"}) {
        const test::ShellRun run = Find(std::string("4D5A ") + start);
        EXPECT_EQ(run.status, 2) << start;
        EXPECT_EQ(run.out, "orvel-cli: START must be 1 to 8 hexadecimal digits\n") << start;
    }
    EXPECT_EQ(Find("4G").out, "orvel-cli: HEX must be 1 to 8 hexadecimal digits\n");
}

// Standard input cannot seek: the bytes before the start are read and dropped.
TEST(FindCliTest, StartAddressInAPipe) {
    const auto Find = [](const std::string& input, const std::string& arguments) {
        return Shell("printf '" + input + "' | " + kCli + " find - " + arguments + " 2>&1");
    };
    EXPECT_EQ(Find("xMZxMZxMZ", "4D5A 2").out, "4\n7\n");
    EXPECT_EQ(Find("xMZxMZxMZ", "4D5A 9").out, "");
    const test::ShellRun beyond = Find("xMZ", "4D5A FFFFFFFF");
    EXPECT_EQ(beyond.status, 0);
    EXPECT_EQ(beyond.out, "");
}

}  // namespace
}  // namespace orvel
