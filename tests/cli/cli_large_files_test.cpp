// orvel-cli on files larger than memory should hold: every verb stays within
// 64 MiB on a 3 GiB file, find and compare work past 4 GiB, and dump, export
// and import refuse what their line numbers cannot show. The files are sparse
// and cost no disk.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "document/offset.h"
#include "support/child_process.h"
#include "support/shell_run.h"
#include "support/temp_dir.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define ORVEL_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define ORVEL_SANITIZED 1
#endif
#endif

namespace orvel {
namespace {

using test::Quoted;
using test::Shell;

const std::string kCli = ORVEL_CLI_PATH;

// Where sparse files cost neither disk nor memory when they are read: a
// tmpfs reads its holes from one page of zeros. (compare does not even read
// them.)
std::filesystem::path SparseFolder() {
    std::error_code error;
    return std::filesystem::is_directory("/dev/shm", error)
               ? "/dev/shm"
               : std::filesystem::temp_directory_path();
}

// A file of `size` bytes, all zero but `pieces` (offset, bytes) written into it.
void WriteSparseFile(const std::string& path, Offset size,
                     const std::vector<std::pair<Offset, std::string>>& pieces = {}) {
    const int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, size), 0);
    for (const auto& [at, bytes] : pieces)
        ASSERT_EQ(pwrite(fd, bytes.data(), bytes.size(), at), static_cast<ssize_t>(bytes.size()));
    close(fd);
}

TEST(CliLargeFilesTest, EveryVerbStaysWithin64MiBOnA3GiBFile) {
#ifdef ORVEL_SANITIZED
    GTEST_SKIP() << "a sanitizer's own memory would be measured";
#endif
    const test::TempDir dir(SparseFolder());
    // One file serves every verb: hex text at both ends for import (the zero
    // bytes between separate nothing but cost reading), a pattern for find,
    // and a byte every 32 MiB, so that compare maps some hundred blocks
    // (and gives each back).
    constexpr Offset kSize = Offset{3} << 30;
    const std::string values(std::size_t{3} << 20, 'a');
    std::vector<std::pair<Offset, std::string>> pieces = {
        {0, values}, {kSize - values.size() - 4, values + "MZ"}};
    for (Offset at = Offset{16} << 20; at < kSize - (Offset{16} << 20); at += Offset{32} << 20)
        pieces.emplace_back(at, "\x7F");
    const std::string file = dir.File("a");
    WriteSparseFile(file, kSize, pieces);
    const struct {
        std::vector<std::string> argv;
        int status;
    } runs[] = {
        {{kCli, "dump", file}, 0},
        {{kCli, "export", file, "/dev/null"}, 0},
        {{kCli, "find", file, "4D5A"}, 0},
        {{kCli, "find", "--backward", "--text", "-i", file, "mz"}, 0},
        {{kCli, "compare", file, file}, 0},
        {{kCli, "import", file, dir.File("imported")}, 0},
    };
    for (const auto& run : runs) {
        const test::ProgramEnd end = test::RunProgram(run.argv);
        EXPECT_EQ(end.status, run.status) << run.argv[1];
        EXPECT_LE(end.peakRssKiB, 64 * 1024) << run.argv[1];
    }
    EXPECT_EQ(std::filesystem::file_size(dir.File("imported")), values.size());
}

TEST(CliLargeFilesTest, FindPast4GiB) {
    const test::TempDir dir(SparseFolder());
    constexpr Offset k4GiB = Offset{1} << 32;
    WriteSparseFile(dir.File("a"), k4GiB + 0x100, {{5, "MZ"}, {k4GiB + 0x2A, "MZ"}});
    const auto find = [&](const std::string& arguments) {
        const test::ShellRun run =
            Shell(kCli + " find " + arguments + " " + Quoted(dir.File("a")) + " 4D5A");
        return run.out + "exit " + std::to_string(run.status);
    };
    EXPECT_EQ(find(""), "5\n10000002A\nexit 0");
    EXPECT_EQ(find("--backward"), "10000002A\n5\nexit 0");
    EXPECT_EQ(find("--count"), "2\nexit 0");
}

TEST(CliLargeFilesTest, ComparePast4GiB) {
    const test::TempDir dir(SparseFolder());
    constexpr Offset k4GiB = Offset{1} << 32;
    WriteSparseFile(dir.File("a"), k4GiB + 0x100, {{5, "MZ"}});
    WriteSparseFile(dir.File("b"), k4GiB + 0x102, {{5, "MZ"}, {k4GiB, "\1"}});
    const test::ShellRun compared =
        Shell(kCli + " compare " + Quoted(dir.File("a")) + " " + Quoted(dir.File("b")));
    EXPECT_EQ(compared.out,
              "There are 1 different byte between file1 and file2.\n"
              "File2 has 2 more bytes than file1\n"
              "100000000 00 01\n100000100 -- 00\n100000101 -- 00\n");
    EXPECT_EQ(compared.status, 1);
}

TEST(CliLargeFilesTest, DumpAndExportRefuseMoreThan0xFFFFFFFFBytes) {
    const test::TempDir dir(SparseFolder());
    WriteSparseFile(dir.File("big"), kMaxFileSize + 1);
    const std::string refusal = "orvel-cli: " + dir.File("big") +
                                ": The file is larger than 0xFFFFFFFF bytes, the most that can "
                                "be opened.\nexit 1";
    const auto run = [](const std::string& command) {
        const test::ShellRun ran = Shell(command + " 2>&1");
        return ran.out + "exit " + std::to_string(ran.status);
    };
    EXPECT_EQ(run(kCli + " dump " + Quoted(dir.File("big"))), refusal);
    EXPECT_EQ(run(kCli + " export " + Quoted(dir.File("big")) + " " + Quoted(dir.File("out"))),
              refusal);
    EXPECT_EQ(run(kCli + " export " + Quoted(dir.File("big")) + " -"), refusal);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out")));
}

}  // namespace
}  // namespace orvel
