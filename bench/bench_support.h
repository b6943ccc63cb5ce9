#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvel::bench {

// A file of `size` pseudo-random bytes under $TMPDIR (or /tmp), removed again
// when the object goes. Aborts the program when the file cannot be written.
class TempRandomFile {
  public:
    explicit TempRandomFile(std::int64_t size, std::uint64_t seed = 1);
    ~TempRandomFile();
    TempRandomFile(const TempRandomFile&) = delete;
    TempRandomFile& operator=(const TempRandomFile&) = delete;

    [[nodiscard]] const std::string& path() const { return path_; }
    [[nodiscard]] std::int64_t size() const { return size_; }

  private:
    std::string path_;
    std::int64_t size_;
};

// The size in MiB that a benchmark uses: the environment variable `envName`
// when set (to keep runs small while developing), else `defaultMiB`.
[[nodiscard]] std::int64_t SizeFromEnvMiB(const char* envName, std::int64_t defaultMiB);

struct ChildRun {
    double seconds = 0;           // wall time from fork to exit
    double cpuSeconds = 0;        // user and system time of the child
    std::int64_t peakRssKiB = 0;  // the child's peak resident set
    int status = -1;              // exit status, -1 when it did not exit normally
};

// Runs `argv` (no shell) with standard output sent to `stdoutPath` and standard
// error to /dev/null, and waits for it.
[[nodiscard]] ChildRun RunCommand(const std::vector<std::string>& argv,
                                  const std::string& stdoutPath = "/dev/null");

// Runs `work` in a forked child and waits; the child exits with its result.
[[nodiscard]] ChildRun RunInChild(int (*work)(const void* arg), const void* arg);

// User and system time of this process so far.
[[nodiscard]] double ProcessCpuSeconds();

// One benchmark iteration timed by the caller: its wall seconds go to
// State::SetIterationTime (register with UseManualTime), and both times into
// the record `name`, from which PrintRatio reports means after the run.
void RecordIteration(benchmark::State& state, const std::string& name, double seconds,
                     double cpuSeconds);
// Prints the mean wall and CPU times of `name` and `baseline` and their ratios,
// with the target; a name with no record prints a note instead. On a machine
// shared with other work the CPU ratio is the steadier one.
void PrintRatio(const std::string& name, const std::string& baseline, const std::string& target);

// One contender of a duel: a whole run of a program (from start to exit) or a
// piece of work in this process, timed. It aborts the program when it fails.
using Runner = std::function<ChildRun()>;

// Runs `argv` with standard output to `stdoutPath`, accepting the exit
// statuses `statuses`, then removes the files `outputs` (what it wrote).
[[nodiscard]] Runner Command(std::vector<std::string> argv, std::string stdoutPath = "/dev/null",
                             std::vector<int> statuses = {0},
                             std::vector<std::string> outputs = {});
// Times `work` in this process (its CPU time is the whole process's).
[[nodiscard]] Runner InProcess(std::function<void()> work);

// The runs of a duel, round by round.
struct Duel {
    std::vector<ChildRun> ours;
    std::vector<ChildRun> baseline;
};

// Runs ours and the baseline alternately, `rounds` times each, ours first, so
// that both meet the same machine.
[[nodiscard]] Duel RunAlternately(const Runner& ours, const Runner& baseline, int rounds = 5);

// Prints a duel's closing note: the best wall time of each, our speed as a
// multiple of the baseline's (baseline's best / ours' best), the same for the
// worst round, our peak memory (0 for work in this process) and the load average.
void PrintDuel(const std::string& what, const std::string& ours, const std::string& baseline,
               const Duel& duel, const std::string& target);

// Runs the registered benchmarks (after the usual command-line handling).
void RunBenchmarks(int argc, char** argv);

}  // namespace orvel::bench
