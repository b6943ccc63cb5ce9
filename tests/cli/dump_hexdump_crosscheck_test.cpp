// The dump text checked against an independent formatter (hexdump -v -C) and
// the dump and export verbs of orvel-cli.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "support/shell_run.h"
#include "support/temp_dir.h"
#include "view/dump_text.h"

namespace orvel {
namespace {

using test::Quoted;
using test::Shell;
using test::ShellRun;

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool HexdumpInstalled() {
    return std::system("command -v hexdump >/dev/null 2>&1") == 0;
}

// Compares the data lines of our dump with hexdump -v -C of the same file:
// hexdump's lines are "%08x  xx xx ... xx  xx ... |chars|" and end with the size.
void ExpectSameAsHexdump(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const ShellRun theirs = Shell("LC_ALL=C hexdump -v -C " + Quoted(path));
    const ShellRun ours = Shell(Quoted(ORVEL_CLI_PATH) + " dump " + Quoted(path));
    ASSERT_EQ(theirs.status, 0);
    ASSERT_EQ(ours.status, 0);
    const std::vector<std::string> theirLines = SplitLines(theirs.out);
    const std::vector<std::string> ourLines = SplitLines(ours.out);
    ASSERT_GE(ourLines.size(), 3u);
    EXPECT_EQ(ourLines[0], kDumpHeader);
    EXPECT_EQ(ourLines[1], "");
    if (bytes.empty()) {
        EXPECT_TRUE(theirs.out.empty());
        EXPECT_EQ(ourLines.size(), 3u);
        EXPECT_EQ(ourLines[2], "0000000");
        return;
    }
    const std::size_t dataLines = (bytes.size() + 15) / 16;
    ASSERT_EQ(theirLines.size(), dataLines + 1);  // the last one is the size
    ASSERT_EQ(ourLines.size(), dataLines + 2);
    EXPECT_EQ(std::stoull(theirLines.back(), nullptr, 16), bytes.size());
    EXPECT_NE(ours.out.back(), '\n');
    for (std::size_t i = 0; i < dataLines; ++i) {
        const std::string& their = theirLines[i];
        const std::string& our = ourLines[i + 2];
        SCOPED_TRACE("line " + std::to_string(i) + "\n theirs: " + their + "\n ours:   " + our);
        const std::size_t count = std::min<std::size_t>(16, bytes.size() - 16 * i);
        // Their address is the offset of the line's first byte, ours the line number.
        ASSERT_EQ(std::stoull(their.substr(0, 8), nullptr, 16), 16 * i);
        char address[16];
        std::snprintf(address, sizeof address, "%07zX", i);
        EXPECT_EQ(our.substr(0, 9), std::string(address) + "  ");
        const std::size_t bar = their.find('|');
        ASSERT_NE(bar, std::string::npos);
        const std::vector<std::string> theirHex = Words(Upper(their.substr(8, bar - 8)));
        const std::vector<std::string> ourHex = Words(our.substr(9, 48));
        ASSERT_EQ(theirHex.size(), count);
        EXPECT_EQ(ourHex, theirHex);
        // Our character column loses its trailing blanks on the last line only.
        std::string theirChars = their.substr(bar + 1);
        ASSERT_FALSE(theirChars.empty());
        theirChars.pop_back();  // the closing bar
        std::string ourChars = our.size() > 60 ? our.substr(60) : "";
        if (i + 1 == dataLines)
            ourChars.resize(count, ' ');
        EXPECT_EQ(ourChars, theirChars);
        // The cells between the fields are blank.
        if (count > 8) {
            EXPECT_EQ(our.substr(32, 2), "  ");
        }
        if (our.size() > 60) {
            EXPECT_EQ(our.substr(57, 3), "   ");
        }
    }
}

TEST(DumpHexdumpCrossCheck, RandomFilesMatchHexdump) {
    if (!HexdumpInstalled())
        GTEST_SKIP() << "hexdump is not installed";
    std::mt19937 rng(77);
    // The last one spans several of the blocks orvel-cli formats in parallel.
    std::vector<std::size_t> sizes = {0,  1,  2,   15,  16,  17,   31,   32,
                                      33, 48, 255, 256, 257, 4095, 4096, (3 << 18) + 21};
    for (int i = 0; i < 8; ++i)
        sizes.push_back(rng() % 5000);
    const test::TempDir dir;
    for (const std::size_t size : sizes) {
        SCOPED_TRACE("size " + std::to_string(size));
        std::vector<std::uint8_t> bytes(size);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(rng() % 4 ? rng() : 0x20 + rng() % 0x60);
        const std::string path = dir.File("random.bin");
        test::WriteFileBytes(path, bytes);
        ExpectSameAsHexdump(path, bytes);
        const std::string cli = Quoted(ORVEL_CLI_PATH);
        EXPECT_EQ(Shell(cli + " export " + Quoted(path) + " -").out,
                  Shell(cli + " dump " + Quoted(path)).out);
    }
}

TEST(DumpHexdumpCrossCheck, TrailingBlanksAndTheDisplayCharacterEdges) {
    if (!HexdumpInstalled())
        GTEST_SKIP() << "hexdump is not installed";
    const test::TempDir dir;
    const std::vector<std::vector<std::uint8_t>> files = {
        {0x1F, 0x20, 0x7E, 0x7F, 0x80, 0xFF, 0x00, 0x41},
        {0x41, 0x20, 0x20},
        std::vector<std::uint8_t>(16, 0x20),
        std::vector<std::uint8_t>(21, 0x20),
    };
    for (const auto& bytes : files) {
        const std::string path = dir.File("edges.bin");
        test::WriteFileBytes(path, bytes);
        ExpectSameAsHexdump(path, bytes);
    }
}

TEST(DumpVerbTest, ExactOutputForASmallFileAndTheEmptyFile) {
    const test::TempDir dir;
    const std::string cli = Quoted(ORVEL_CLI_PATH);
    const std::string small = dir.File("small.bin");
    test::WriteFileBytes(small, {0x48, 0x69, 0x00});
    const ShellRun r = Shell(cli + " dump " + Quoted(small));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              std::string(kDumpHeader) + "\n\n0000000  48 69 00" + std::string(43, ' ') + "Hi.");

    const std::string empty = dir.File("empty.bin");
    test::WriteFileBytes(empty, {});
    const ShellRun e = Shell(cli + " dump " + Quoted(empty));
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.out, std::string(kDumpHeader) + "\n\n0000000");
}

TEST(DumpVerbTest, AMissingFileFailsWithOneLineOnStandardError) {
    const test::TempDir dir;
    const std::string missing = dir.File("no such file.bin");
    // Standard error to the pipe, standard output away.
    const ShellRun r =
        Shell(Quoted(ORVEL_CLI_PATH) + " dump " + Quoted(missing) + " 2>&1 >/dev/null");
    EXPECT_EQ(r.status, 1);
    ASSERT_FALSE(r.out.empty());
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << r.out;
    EXPECT_NE(r.out.find(missing), std::string::npos) << r.out;
    EXPECT_EQ(Shell(Quoted(ORVEL_CLI_PATH) + " dump " + Quoted(missing) + " 2>/dev/null").out, "");
}

TEST(DumpVerbTest, HelpListsTheVerbs) {
    const ShellRun r = Shell(Quoted(ORVEL_CLI_PATH) + " --help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("dump FILE"), std::string::npos) << r.out;
    EXPECT_NE(Shell(Quoted(ORVEL_CLI_PATH) + " frobnicate 2>/dev/null").status, 0);
}

}  // namespace
}  // namespace orvel
