#include <gtest/gtest.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/shell_run.h"
#include "support/temp_dir.h"

namespace orvel {
namespace {

using test::Quoted;
using test::Shell;
using test::ShellRun;
using test::TempDir;
using test::WriteFileBytes;
using Bytes = std::vector<std::uint8_t>;

ShellRun CliCompare(const std::string& a, const std::string& b) {
    return Shell(std::string(ORVEL_CLI_PATH) + " compare " + Quoted(a) + " " + Quoted(b) +
                 " 2>/dev/null");
}

TEST(CompareCliTest, PrintsSummaryThenOneLinePerOffset) {
    TempDir dir;
    struct Row {
        Bytes a, b;
        const char* out;
        int status;
    };
    const Row rows[] = {
        {{0x00, 0x11, 0x22},
         {0x00, 0x12, 0x22, 0x33, 0x44},
         "There are 1 different byte between file1 and file2.\nFile2 has 2 more bytes than "
         "file1\n1 11 12\n3 -- 33\n4 -- 44\n",
         1},
        {{0x00, 0x11, 0x22, 0x33},
         {0x00, 0x11},
         "There are 0 different byte between file1 and file2.\nFile1 has 2 more bytes than "
         "file2\n2 22 --\n3 33 --\n",
         1},
        {{0xAB, 0xCD}, {0xAB, 0xCD}, "Number of different byte found: 0\n", 0},
        {{}, {}, "Number of different byte found: 0\n", 0},
    };
    for (const Row& row : rows) {
        WriteFileBytes(dir.File("a"), row.a);
        WriteFileBytes(dir.File("b"), row.b);
        const ShellRun run = CliCompare(dir.File("a"), dir.File("b"));
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.status, row.status);
    }
    Bytes big(0x10000, 0);
    Bytes other = big;
    other[0xFFFF] = 0x0F;
    WriteFileBytes(dir.File("a"), big);
    WriteFileBytes(dir.File("b"), other);
    EXPECT_EQ(CliCompare(dir.File("a"), dir.File("b")).out,
              "Number of different byte found: 1\nFFFF 00 0F\n");
}

TEST(CompareCliTest, ErrorsExitWithTwo) {
    TempDir dir;
    WriteFileBytes(dir.File("a"), {1});
    EXPECT_EQ(CliCompare(dir.File("a"), dir.File("missing")).status, 2);
    EXPECT_EQ(CliCompare(dir.File("a"), dir.path().string()).status, 2);
    EXPECT_EQ(Shell(std::string(ORVEL_CLI_PATH) + " compare 2>/dev/null").status, 2);
}

// The offsets where `cmp -l` reports a difference (it counts from 1) and whether
// it reports the end of one file.
struct CmpListing {
    std::vector<long long> offsets;
    bool eof = false;
    int status = -1;
};

CmpListing Cmp(const std::string& a, const std::string& b, const std::string& errors) {
    const ShellRun run = Shell("cmp -l " + Quoted(a) + " " + Quoted(b) + " 2>" + Quoted(errors));
    CmpListing listing;
    listing.status = run.status;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        listing.offsets.push_back(std::stoll(line) - 1);
    const auto message = test::ReadFileBytes(errors);
    listing.eof = std::string(message.begin(), message.end()).find("EOF") != std::string::npos;
    return listing;
}

TEST(CompareCliTest, AgreesWithCmpOnRandomFiles) {
    if (Shell("command -v cmp >/dev/null 2>&1").status != 0)
        GTEST_SKIP() << "cmp is missing";
    TempDir dir;
    std::mt19937 rng(99);
    for (int round = 0; round < 13; ++round) {
        std::size_t size1 = rng() % 100000;
        std::size_t size2 = round % 3 == 0 ? size1 : rng() % 100000;
        if (round >= 10) {  // files read in several pieces, one ending inside a piece
            size1 = (round == 10 ? 2500000 : 1 << 20) + rng() % 1000;
            size2 = round == 10 ? size1 - 5000 : size1 + 3;
        }
        // A listing longer than what is held until the summary is known: the
        // rest comes from a second pass over the files.
        const bool allDiffer = round == 12;
        Bytes a(size1);
        for (auto& byte : a)
            byte = static_cast<std::uint8_t>(rng());
        Bytes b = a;
        b.resize(size2);
        const int changes = round % 4 == 0 ? 0 : static_cast<int>(rng() % 3000);
        for (int k = 0; k < changes && size2 > 0; ++k)
            b[rng() % size2] ^= 1 + rng() % 255;
        for (std::size_t k = 0; allDiffer && k < std::min(size1, size2); ++k)
            b[k] = static_cast<std::uint8_t>(a[k] ^ (1 + k % 255));
        WriteFileBytes(dir.File("a"), a);
        WriteFileBytes(dir.File("b"), b);

        const CmpListing cmp = Cmp(dir.File("a"), dir.File("b"), dir.File("errors"));
        const ShellRun ours = CliCompare(dir.File("a"), dir.File("b"));
        std::istringstream lines(ours.out);
        std::string head;
        std::string surplusLine;
        std::getline(lines, head);
        if (size1 != size2)
            std::getline(lines, surplusLine);
        std::vector<long long> offsets;
        std::size_t surplus = 0;
        for (std::string line; std::getline(lines, line);) {
            if (line.find("--") != std::string::npos) {
                ++surplus;
            } else {
                offsets.push_back(std::stoll(line, nullptr, 16));
            }
        }
        SCOPED_TRACE(testing::Message() << "sizes " << size1 << ", " << size2);
        EXPECT_EQ(offsets, cmp.offsets);
        EXPECT_EQ(surplus, size1 > size2 ? size1 - size2 : size2 - size1);
        EXPECT_EQ(cmp.eof, size1 != size2);
        EXPECT_EQ(ours.status, cmp.status);
        const std::string count = std::to_string(cmp.offsets.size());
        EXPECT_EQ(head, size1 == size2
                            ? "Number of different byte found: " + count
                            : "There are " + count + " different byte between file1 and file2.");
    }
}

// True once process `pid` waits in a read from a pipe: compare copying its
// standard input, which it does only once its signal handlers are set.
bool WaitsOnAPipe(pid_t pid) {
    const std::string process = "/proc/" + std::to_string(pid);
    std::ifstream syscall(process + "/syscall");
    long number = -1;
    std::string fd;
    if (!(syscall >> number >> fd) || number != SYS_read)
        return false;
    std::error_code error;
    const auto target = std::filesystem::read_symlink(
        process + "/fd/" + std::to_string(std::stol(fd, nullptr, 16)), error);
    return !error && target.string().rfind("pipe:", 0) == 0;
}

// The files are mapped, and one cut short by another program meanwhile
// raises SIGBUS: compare says so and exits with 2. The test sends the signal
// itself while compare waits for its input.
TEST(CompareCliTest, AFileCutShortEndsTheComparisonWithTwo) {
    TempDir dir;
    WriteFileBytes(dir.File("b"), {1});
    int input[2];
    int errors[2];
    ASSERT_EQ(pipe(input), 0);
    ASSERT_EQ(pipe(errors), 0);
    const pid_t child = fork();
    if (child == 0) {
        dup2(input[0], STDIN_FILENO);
        dup2(errors[1], STDERR_FILENO);
        close(input[1]);
        close(errors[0]);
        execl(ORVEL_CLI_PATH, ORVEL_CLI_PATH, "compare", "-", dir.File("b").c_str(), nullptr);
        _exit(127);
    }
    close(input[0]);
    close(errors[1]);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!WaitsOnAPipe(child) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    kill(child, SIGBUS);
    std::string message;
    char buf[256];
    for (ssize_t got; (got = read(errors[0], buf, sizeof buf)) > 0;)
        message.append(buf, static_cast<std::size_t>(got));
    close(errors[0]);
    close(input[1]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;
    EXPECT_EQ(message, "orvel-cli: a file was cut short while it was compared\n");
}

}  // namespace
}  // namespace orvel
