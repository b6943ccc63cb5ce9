// orvel-cli with files that are not plain files: pipes and FIFOs in and out,
// devices as targets, and an export killed half-way.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "document/byte_buffer.h"
#include "support/shell_run.h"
#include "support/special_files.h"
#include "support/temp_dir.h"
#include "view/dump_text.h"

namespace orvel {
namespace {

using test::PatternBytes;
using test::Quoted;
using test::Shell;
using test::TempDir;

const std::string kCli = ORVEL_CLI_PATH;

std::string DumpOf(const std::vector<std::uint8_t>& bytes) {
    const ByteBuffer buffer(bytes.data(), static_cast<Offset>(bytes.size()));
    const DumpText text(buffer);
    return text.Text(0, text.Length());
}

std::size_t CountEntries(const TempDir& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.path()),
                                                  std::filesystem::directory_iterator()));
}

// The export streams into a FIFO and into its own standard output (a pipe),
// and neither is replaced by a file.
TEST(CliFilesTest, ExportStreamsIntoFifosAndPipes) {
    TempDir dir;
    const auto bytes = PatternBytes(5000);
    test::WriteFileBytes(dir.File("in"), bytes);
    ASSERT_TRUE(test::MakeFifo(dir.File("fifo")));
    test::FifoReader reader(dir.File("fifo"));
    EXPECT_EQ(
        Shell(kCli + " export " + Quoted(dir.File("in")) + " " + Quoted(dir.File("fifo"))).status,
        0);
    EXPECT_EQ(reader.Finish(), DumpOf(bytes));
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("fifo")));

    const auto piped = Shell(kCli + " export " + Quoted(dir.File("in")) + " /proc/self/fd/1");
    EXPECT_EQ(piped.status, 0);
    EXPECT_EQ(piped.out, DumpOf(bytes));
    EXPECT_EQ(CountEntries(dir), 2u);
}

// A full device takes nothing: the export says why and fails.
TEST(CliFilesTest, ExportIntoAFullDeviceFails) {
    TempDir dir;
    test::WriteFileBytes(dir.File("in"), PatternBytes(100));
    if (!test::MakeCharDevice(dir.File("full"), 1, 7))
        GTEST_SKIP() << "no device nodes in the temporary folder";
    const auto run = Shell(kCli + " export " + Quoted(dir.File("in")) + " " +
                           Quoted(dir.File("full")) + " 2>&1");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "orvel-cli: " + dir.File("full") + ": No space left on device\n");
    EXPECT_TRUE(std::filesystem::is_character_file(dir.File("full")));
}

// "-" reads standard input, which may be a pipe, and as the OUTFILE of export
// and import writes standard output, also when that is a regular file (which
// must then be written, not replaced by a new file).
TEST(CliFilesTest, DashReadsStandardInputAndWritesStandardOutput) {
    TempDir dir;
    EXPECT_EQ(Shell("printf 'AB' | " + kCli + " dump -").out, DumpOf({'A', 'B'}));
    EXPECT_EQ(Shell("printf '4D 5A' | " + kCli + " import - " + Quoted(dir.File("mz"))).status, 0);
    EXPECT_EQ(test::ReadFileBytes(dir.File("mz")), (std::vector<std::uint8_t>{0x4D, 0x5A}));
    EXPECT_EQ(Shell("printf 'xMZxMZ' | " + kCli + " find - 4D5A").out, "1\n4\n");
    const auto compared = Shell("printf 'MZ' | " + kCli + " compare - " + Quoted(dir.File("mz")));
    EXPECT_EQ(compared.status, 0);

    const auto bytes = PatternBytes(300000);
    test::WriteFileBytes(dir.File("in"), bytes);
    EXPECT_EQ(Shell("cat " + Quoted(dir.File("in")) + " | " + kCli + " export - -").out,
              DumpOf(bytes));
    EXPECT_EQ(Shell(kCli + " export " + Quoted(dir.File("in")) + " - > " + Quoted(dir.File("out")))
                  .status,
              0);
    const auto exported = test::ReadFileBytes(dir.File("out"));
    EXPECT_EQ(std::string(exported.begin(), exported.end()), DumpOf(bytes));
    const auto imported = Shell("printf '41 42 4' | " + kCli + " import - -");
    EXPECT_EQ(imported.out, "AB");
    EXPECT_EQ(imported.status, 0);
    EXPECT_EQ(Shell("printf '41' | " + kCli + " import - - > " + Quoted(dir.File("ab"))).status, 0);
    EXPECT_EQ(test::ReadFileBytes(dir.File("ab")), (std::vector<std::uint8_t>{0x41}));
}

// The text xxd -p writes (60 digits a line) imports as the bytes it came
// from, across the blocks the text is read in.
TEST(CliFilesTest, ImportReadsWhatXxdWrites) {
    if (Shell("command -v xxd >/dev/null 2>&1").status != 0)
        GTEST_SKIP() << "xxd is missing";
    TempDir dir;
    const auto bytes = PatternBytes((std::size_t{5} << 20) + 3, 7);
    test::WriteFileBytes(dir.File("in"), bytes);
    ASSERT_EQ(Shell("xxd -p " + Quoted(dir.File("in")) + " > " + Quoted(dir.File("hex"))).status,
              0);
    EXPECT_EQ(
        Shell(kCli + " import " + Quoted(dir.File("hex")) + " " + Quoted(dir.File("out"))).status,
        0);
    EXPECT_EQ(test::ReadFileBytes(dir.File("out")), bytes);
}

// A pipe that must be read more than once is copied to the temporary folder
// first; where that cannot be, the command says so and fails.
TEST(CliFilesTest, APipeThatCannotBeCopiedFailsWithTheReason) {
    TempDir dir;
    test::WriteFileBytes(dir.File("mz"), {'M', 'Z'});
    const std::string missing = dir.File("missing");
    const std::string reason =
        "orvel-cli: -: Cannot keep a copy in " + missing + ": No such file or directory\n";
    for (const std::string& verb :
         {"compare - " + Quoted(dir.File("mz")), std::string("find --backward - 4D")}) {
        const auto run =
            Shell("printf 'MZ' | TMPDIR=" + Quoted(missing) + " " + kCli + " " + verb + " 2>&1");
        EXPECT_EQ(run.out, reason) << verb;
        EXPECT_EQ(run.status, 2) << verb;
    }
}

// Files in /proc are regular files that say they are empty, whatever they
// hold: they are read to their end as streams are.
TEST(CliFilesTest, RegularFilesThatSayTheyAreEmptyAreReadToTheirEnd) {
    TempDir dir;
    const std::string version = "/proc/version";
    const auto text = Shell("cat " + version).out;
    ASSERT_FALSE(text.empty());
    test::WriteFileText(dir.File("copy"), text);
    EXPECT_EQ(Shell(kCli + " dump " + version).out, DumpOf({text.begin(), text.end()}));
    EXPECT_EQ(Shell(kCli + " compare " + version + " " + Quoted(dir.File("copy"))).status, 0);
    std::size_t count = 0;
    for (auto at = text.find("Linux"); at != std::string::npos; at = text.find("Linux", at + 5))
        ++count;
    const std::string hits = std::to_string(count) + "\n";
    EXPECT_EQ(Shell(kCli + " find --count --text " + version + " Linux").out, hits);
    EXPECT_EQ(Shell(kCli + " find --count --backward --text " + version + " Linux").out, hits);
}

// An export killed half-way by the file-size limit's signal leaves nothing
// in the folder besides what was there.
TEST(CliFilesTest, KilledExportLeavesNothingBehind) {
    TempDir dir;
    test::WriteFileBytes(dir.File("in"), PatternBytes(1 << 20));
    const auto run = Shell("ulimit -c 0; ulimit -f 100; exec " + kCli + " export " +
                           Quoted(dir.File("in")) + " " + Quoted(dir.File("out.txt")));
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(CountEntries(dir), 1u);
}

}  // namespace
}  // namespace orvel
