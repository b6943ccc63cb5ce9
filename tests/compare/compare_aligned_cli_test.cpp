#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "support/edit_script.h"
#include "support/shell_run.h"
#include "support/temp_dir.h"

namespace orvel {
namespace {

using test::Bytes;
using test::Quoted;
using test::Shell;
using test::ShellRun;
using test::TempDir;
using test::WriteFileBytes;

ShellRun CliAligned(const std::string& a, const std::string& b,
                    const std::string& errors = "/dev/null") {
    return Shell(std::string(ORVEL_CLI_PATH) + " compare --aligned " + Quoted(a) + " " + Quoted(b) +
                 " 2>" + Quoted(errors));
}

// The edits of the listing; an empty result for a line that does not parse.
std::vector<AlignedEdit> ParseEdits(const std::string& listing) {
    std::vector<AlignedEdit> edits;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string kind;
        AlignedEdit edit{AlignedEditKind::kChange, 0, 0, 0};
        fields >> kind >> std::hex >> edit.offsetA >> edit.offsetB >> edit.length;
        if (!fields || line.find_first_of("abcdef", kind.size()) != std::string::npos)
            return {};
        edit.kind = kind == "change"   ? AlignedEditKind::kChange
                    : kind == "delete" ? AlignedEditKind::kDelete
                                       : AlignedEditKind::kInsert;
        edits.push_back(edit);
    }
    return edits;
}

TEST(CompareAlignedCliTest, ListsEditsInUpperCaseHex) {
    TempDir dir;
    std::mt19937 rng(51);
    const Bytes a = test::RandomBytes(rng, 0x20000);
    Bytes b = a;
    b.insert(b.begin(), 0x42);                                // the firmware case
    b.erase(b.begin() + 0x1000, b.begin() + 0x1010);          // at 0xFFF in A after the insert
    b[0x8000] = static_cast<std::uint8_t>(b[0x8000] ^ 0xFF);  // one byte changed
    b.insert(b.end(), {1, 2, 3});
    WriteFileBytes(dir.File("a"), a);
    WriteFileBytes(dir.File("b"), b);
    const ShellRun run = CliAligned(dir.File("a"), dir.File("b"));
    EXPECT_EQ(run.out,
              "insert 0 0 1\n"
              "delete FFF 1000 10\n"
              "change 800F 8000 1\n"
              "insert 20000 1FFF1 3\n");
    EXPECT_EQ(run.status, 1);

    const ShellRun same = CliAligned(dir.File("a"), dir.File("a"));
    EXPECT_EQ(same.out, "");
    EXPECT_EQ(same.status, 0);
    WriteFileBytes(dir.File("empty"), {});
    EXPECT_EQ(CliAligned(dir.File("empty"), dir.File("empty")).status, 0);
    EXPECT_EQ(CliAligned(dir.File("a"), dir.File("empty")).out, "delete 0 0 20000\n");
    // Standard input stands for a file as in the plain compare.
    const ShellRun piped = Shell("cat " + Quoted(dir.File("b")) + " | " + ORVEL_CLI_PATH +
                                 " compare --aligned " + Quoted(dir.File("a")) + " -");
    EXPECT_EQ(piped.out, run.out);
}

TEST(CompareAlignedCliTest, ErrorsExitWithTwo) {
    TempDir dir;
    WriteFileBytes(dir.File("a"), {1});
    EXPECT_EQ(CliAligned(dir.File("a"), dir.File("missing")).status, 2);
    EXPECT_EQ(CliAligned(dir.File("a"), dir.path().string()).status, 2);
    const ShellRun usage = Shell(std::string(ORVEL_CLI_PATH) + " compare --aligned a 2>&1");
    EXPECT_EQ(usage.out, "orvel-cli: usage: orvel-cli compare --aligned FILE1 FILE2\n");
    EXPECT_EQ(usage.status, 2);
    // Identical files write nothing; different ones report that the listing could not be written.
    WriteFileBytes(dir.File("b"), {2});
    const auto toFull = [&](const std::string& b) {
        return Shell(std::string(ORVEL_CLI_PATH) + " compare --aligned " + Quoted(dir.File("a")) +
                     " " + Quoted(b) + " >/dev/full 2>/dev/null")
            .status;
    };
    EXPECT_EQ(toFull(dir.File("a")), 0);
    EXPECT_EQ(toFull(dir.File("b")), 2);
}

// Files of several MiB, read block by block: replaying the listing on the first
// gives the second, and an insertion longer than the search window is said.
TEST(CompareAlignedCliTest, ReplayingTheListingGivesTheSecondFile) {
    TempDir dir;
    std::mt19937 rng(52);
    for (int round = 0; round < 3; ++round) {
        const Bytes a = test::RandomBytes(rng, (3 << 20) + rng() % 1000);
        Bytes b = test::Planted(rng, a, 60, 2000);
        if (round == 2) {
            const Bytes big = test::RandomBytes(rng, (1 << 20) + 5000);
            b.insert(b.begin() + (1 << 20), big.begin(), big.end());
        }
        WriteFileBytes(dir.File("a"), a);
        WriteFileBytes(dir.File("b"), b);
        const ShellRun run = CliAligned(dir.File("a"), dir.File("b"), dir.File("errors"));
        const auto edits = ParseEdits(run.out);
        ASSERT_FALSE(edits.empty()) << run.out.substr(0, 200);
        std::string why;
        EXPECT_TRUE(test::Replay(a, b, edits, why) == b) << why;
        EXPECT_EQ(run.status, 1);
        const auto note = test::ReadFileBytes(dir.File("errors"));
        EXPECT_EQ(std::string(note.begin(), note.end())
                          .find("no alignment was found within "
                                "1048576 bytes") != std::string::npos,
                  round == 2);
    }
}

}  // namespace
}  // namespace orvel
