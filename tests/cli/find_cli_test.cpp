// orvel-cli find: the offsets repeated Find Next selects, from an optional
// start address given like the dialog's (1 to 8 hex digits), with hex of any
// length, wildcards, text, both directions, and grep's exit statuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/offset.h"
#include "support/shell_run.h"
#include "support/temp_dir.h"

namespace orvel {
namespace {

using test::Quoted;
using test::Shell;
using test::ShellRun;
using Bytes = std::vector<std::uint8_t>;

const std::string kCli = ORVEL_CLI_PATH;

// The output (standard error included) and the exit status of a find in `path`.
std::string Find(const std::string& path, const std::string& arguments) {
    const ShellRun run = Shell(kCli + " find " + Quoted(path) + " " + arguments + " 2>&1");
    return run.out + "exit " + std::to_string(run.status);
}

TEST(FindCliTest, StartAddress) {
    const test::TempDir dir;
    const std::string in = dir.File("in");
    test::WriteFileBytes(in, {'x', 'M', 'Z', 'x', 'M', 'Z', 'x', 'M', 'Z'});
    EXPECT_EQ(Find(in, "4D5A"), "1\n4\n7\nexit 0");
    EXPECT_EQ(Find(in, "4d5a 2"), "4\n7\nexit 0");
    EXPECT_EQ(Find(in, "4D5A a"), "exit 1");
    EXPECT_EQ(Find(in, "4D5A 00000004"), "4\n7\nexit 0");
    EXPECT_EQ(Find(in, "4D5A FFFFFFFF"), "exit 1");
    for (const char* start : {"''", "' 1'", "0x1", "1G", "123456789"}) {
        EXPECT_EQ(Find(in, std::string("4D5A ") + start),
                  "orvel-cli: START must be 1 to 8 hexadecimal digits\nexit 2")
            << start;
    }
}

// Standard input cannot seek: the bytes before the start are read and dropped.
TEST(FindCliTest, StartAddressInAPipe) {
    const auto FindIn = [](const std::string& input, const std::string& arguments) {
        const ShellRun run =
            Shell("printf '" + input + "' | " + kCli + " find - " + arguments + " 2>&1");
        return run.out + "exit " + std::to_string(run.status);
    };
    EXPECT_EQ(FindIn("xMZxMZxMZ", "4D5A 2"), "4\n7\nexit 0");
    EXPECT_EQ(FindIn("xMZxMZxMZ", "4D5A 9"), "exit 1");
    EXPECT_EQ(FindIn("xMZ", "4D5A FFFFFFFF"), "exit 1");
    // Backwards the pipe is read whole (into a temporary file) first.
    EXPECT_EQ(FindIn("xMZxMZxMZ", "--backward 4D5A"), "7\n4\n1\nexit 0");
    EXPECT_EQ(FindIn("xMZxMZxMZ", "--backward 4D5A 7"), "4\n1\nexit 0");
}

TEST(FindCliTest, HitsStraddleTheReadWindows) {
    const test::TempDir dir;
    // Occurrences straddle the 1 MiB windows the verb reads in, both ways.
    Bytes bytes((1 << 21) + 10, 0);
    for (const Offset at :
         {Offset{5}, Offset{0xFFFFD}, Offset{0x100001}, Offset{0x1FFFFD}, Offset{(1 << 21) + 6}}) {
        bytes[at] = 0xDE, bytes[at + 1] = 0xAD, bytes[at + 2] = 0xBE, bytes[at + 3] = 0xEF;
    }
    const std::string path = dir.File("data.bin");
    test::WriteFileBytes(path, bytes);
    EXPECT_EQ(Find(path, "DEADBEEF"), "5\nFFFFD\n100001\n1FFFFD\n200006\nexit 0");
    EXPECT_EQ(Find(path, "deadbeef 100000"), "100001\n1FFFFD\n200006\nexit 0");
    EXPECT_EQ(Find(path, "DEADBEEF 100002"), "1FFFFD\n200006\nexit 0");
    // Backwards the hits end at or before the start (at the end without one).
    EXPECT_EQ(Find(path, "--backward DEADBEEF"), "200006\n1FFFFD\n100001\nFFFFD\n5\nexit 0");
    EXPECT_EQ(Find(path, "--backward DEADBEEF 100005"), "100001\nFFFFD\n5\nexit 0");
    EXPECT_EQ(Find(path, "--backward DEADBEEF 100004"), "FFFFD\n5\nexit 0");
    EXPECT_EQ(Find(path, "--count DE??BE"), "5\nexit 0");
    EXPECT_EQ(Find(path, "--count --backward 0000 3"), "1\nexit 0");

    test::WriteFileBytes(path, {0x41, 0x42, 0x41, 0x42, 0x41});
    EXPECT_EQ(Find(path, "41"), "0\n2\n4\nexit 0");
    EXPECT_EQ(Find(path, "0000"), "exit 1");
    EXPECT_EQ(Find(path, "--count 0000"), "0\nexit 1");
    test::WriteFileBytes(path, Bytes(5, 0));
    EXPECT_EQ(Find(path, "0000"), "0\n2\nexit 0");
    EXPECT_EQ(Find(path, "--backward 0000"), "3\n1\nexit 0");
    EXPECT_EQ(Find(path, "000 3"), "3\nexit 0");
}

TEST(FindCliTest, HexOfAnyLengthWildcardsAndText) {
    const test::TempDir dir;
    const std::string path = dir.File("data.bin");
    const std::string text = "MZ\x90?PE\xE9t\xE9 Hello hELLO";
    Bytes bytes(text.begin(), text.end());
    for (const char c : std::string("Hi hi"))  // UTF-16LE
        bytes.push_back(static_cast<std::uint8_t>(c)), bytes.push_back(0);
    for (const char c : std::string("Hi"))  // UTF-16BE
        bytes.push_back(0), bytes.push_back(static_cast<std::uint8_t>(c));
    test::WriteFileBytes(path, bytes);
    EXPECT_EQ(Find(path, "4D5A903F5045"), "0\nexit 0");
    EXPECT_EQ(Find(path, "4D????3F"), "0\nexit 0");
    EXPECT_EQ(Find(path, "??50"), "3\nexit 0");
    EXPECT_EQ(Find(path, "4?5?"), "0\nexit 0");
    EXPECT_EQ(Find(path, "5?4?"), "4\nexit 0");
    EXPECT_EQ(Find(path, "--text Hello"), "A\nexit 0");
    EXPECT_EQ(Find(path, "--text -i hello"), "A\n10\nexit 0");
    EXPECT_EQ(Find(path, "-i --text --backward HELLO"), "10\nA\nexit 0");
    EXPECT_EQ(Find(path, "--text \"$(printf '\\303\\251t')\""),
              "6\nexit 0");  // UTF-8 é is Latin-1 E9
    EXPECT_EQ(Find(path, "--text \"$(printf '\\351')\""), "6\n8\nexit 0");  // not UTF-8: the byte
    EXPECT_EQ(Find(path, "--text 'PE?'"), "exit 1");
    EXPECT_EQ(Find(path, "--utf16le Hi"), "15\nexit 0");
    EXPECT_EQ(Find(path, "--utf16le -i --count hi"), "2\nexit 0");
    EXPECT_EQ(Find(path, "--utf16be Hi"), "1F\nexit 0");
    EXPECT_EQ(Find(path, "--text -- -i"), "exit 1");  // after --, -i is the pattern
}

TEST(FindCliTest, BadArgumentsExitWithTwo) {
    const test::TempDir dir;
    const std::string path = dir.File("data.bin");
    test::WriteFileBytes(path, {0x41});
    const std::string hexRule =
        "orvel-cli: PATTERN must be hex digits, with ?? for any byte, for 1 to 65536 bytes\nexit 2";
    EXPECT_EQ(Find(path, "4G"), hexRule);
    EXPECT_EQ(Find(path, "'41 42'"), hexRule);
    EXPECT_EQ(Find(path, "--text ''"),
              "orvel-cli: PATTERN must be Latin-1 text of 1 to 65536 characters\nexit 2");
    EXPECT_EQ(Find(path, "--text \"$(printf '\\304\\200')\""),
              "orvel-cli: PATTERN must be Latin-1 text of 1 to 65536 characters\nexit 2");
    EXPECT_EQ(Find(path, "--utf16be ''"),
              "orvel-cli: PATTERN must be text of 1 to 32768 UTF-16 code units\nexit 2");
    EXPECT_EQ(Find(path, "-i 41"), "orvel-cli: -i needs --text, --utf16le or --utf16be\nexit 2");
    EXPECT_EQ(Find(path, "--text --utf16le A"),
              "orvel-cli: choose one of --text, --utf16le and --utf16be\nexit 2");
    EXPECT_EQ(Find(path, "--all 41"),
              "orvel-cli: unknown option --all (orvel-cli --help lists the options)\nexit 2");
    EXPECT_EQ(Find(path, ""),
              "orvel-cli: usage: orvel-cli find [OPTIONS] FILE PATTERN [START]\nexit 2");
    EXPECT_EQ(Find(dir.File("missing"), "41"),
              "orvel-cli: " + dir.File("missing") + ": No such file or directory\nexit 2");
    EXPECT_EQ(Find(dir.path().string(), "41"),
              "orvel-cli: " + dir.path().string() +
                  ": The file is a directory, not a regular file.\nexit 2");
}

}  // namespace
}  // namespace orvel
