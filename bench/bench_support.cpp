#include "bench_support.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace orvel::bench {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

[[noreturn]] void Die(const std::string& what) {
    std::perror(what.c_str());
    std::exit(1);
}

std::string TempFolder() {
    const char* dir = std::getenv("TMPDIR");
    return dir != nullptr && *dir != '\0' ? dir : "/tmp";
}

struct Record {
    double wall = 0;
    double cpu = 0;
    std::int64_t count = 0;
};

std::map<std::string, Record>& Records() {
    static std::map<std::string, Record> records;
    return records;
}

double Seconds(const timeval& tv) {
    return static_cast<double>(tv.tv_sec) + static_cast<double>(tv.tv_usec) * 1e-6;
}

ChildRun Wait(pid_t pid, Clock::time_point start) {
    ChildRun run;
    int raw = 0;
    rusage usage{};
    if (wait4(pid, &raw, 0, &usage) < 0)
        Die("wait4");
    run.seconds = SecondsSince(start);
    run.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    run.peakRssKiB = usage.ru_maxrss;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

}  // namespace

TempRandomFile::TempRandomFile(std::int64_t size, std::uint64_t seed) : size_(size) {
    std::string pattern = TempFolder() + "/orvel-bench-XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0)
        Die("mkstemp " + pattern);
    path_ = pattern;
    // splitmix64: fast enough to write a GiB in about a second, and incompressible.
    std::vector<std::uint64_t> block(std::size_t{1} << 19);
    std::uint64_t state = seed;
    for (std::int64_t left = size; left > 0;) {
        for (auto& word : block) {
            std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
        const auto chunk = static_cast<std::size_t>(
            std::min<std::int64_t>(left, static_cast<std::int64_t>(block.size() * 8)));
        if (write(fd, block.data(), chunk) != static_cast<ssize_t>(chunk))
            Die("write " + path_);
        left -= static_cast<std::int64_t>(chunk);
    }
    if (close(fd) != 0)
        Die("close " + path_);
}

TempRandomFile::~TempRandomFile() {
    unlink(path_.c_str());
}

std::int64_t SizeFromEnvMiB(const char* envName, std::int64_t defaultMiB) {
    const char* value = std::getenv(envName);
    if (value == nullptr || *value == '\0')
        return defaultMiB;
    const std::int64_t mib = std::atoll(value);
    return mib > 0 ? mib : defaultMiB;
}

ChildRun RunCommand(const std::vector<std::string>& argv, const std::string& stdoutPath) {
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        Die("fork");
    if (pid == 0) {
        const int out = open(stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int null = open("/dev/null", O_WRONLY);
        if (out < 0 || null < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(null, STDERR_FILENO) < 0) {
            _exit(127);
        }
        execvp(args[0], args.data());
        _exit(127);
    }
    return Wait(pid, start);
}

ChildRun RunInChild(int (*work)(const void* arg), const void* arg) {
    std::fflush(nullptr);
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        Die("fork");
    if (pid == 0)
        _exit(work(arg));
    return Wait(pid, start);
}

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

void RecordIteration(benchmark::State& state, const std::string& name, double seconds,
                     double cpuSeconds) {
    state.SetIterationTime(seconds);
    Record& record = Records()[name];
    record.wall += seconds;
    record.cpu += cpuSeconds;
    ++record.count;
}

void PrintRatio(const std::string& name, const std::string& baseline, const std::string& target) {
    const auto& records = Records();
    const auto a = records.find(name);
    const auto b = records.find(baseline);
    if (a == records.end() || b == records.end() || b->second.wall <= 0 || b->second.cpu <= 0) {
        std::printf("%s / %s: not measured in this run\n", name.c_str(), baseline.c_str());
        return;
    }
    const auto mean = [](double sum, const Record& r) {
        return sum / static_cast<double>(r.count);
    };
    const double wallA = mean(a->second.wall, a->second);
    const double wallB = mean(b->second.wall, b->second);
    const double cpuA = mean(a->second.cpu, a->second);
    const double cpuB = mean(b->second.cpu, b->second);
    std::printf("%s / %s: wall %.3f s / %.3f s = %.3f, cpu %.3f s / %.3f s = %.3f (%s)\n",
                name.c_str(), baseline.c_str(), wallA, wallB, wallA / wallB, cpuA, cpuB,
                cpuA / cpuB, target.c_str());
}

Runner Command(std::vector<std::string> argv, std::string stdoutPath, std::vector<int> statuses,
               std::vector<std::string> outputs) {
    return [=] {
        const ChildRun run = RunCommand(argv, stdoutPath);
        if (std::find(statuses.begin(), statuses.end(), run.status) == statuses.end()) {
            std::fprintf(stderr, "%s failed with status %d\n", argv[0].c_str(), run.status);
            std::exit(1);
        }
        for (const std::string& output : outputs)
            unlink(output.c_str());
        return run;
    };
}

Runner InProcess(std::function<void()> work) {
    return [work = std::move(work)] {
        const Clock::time_point start = Clock::now();
        const double cpu = ProcessCpuSeconds();
        work();
        ChildRun run;
        run.seconds = SecondsSince(start);
        run.cpuSeconds = ProcessCpuSeconds() - cpu;
        run.status = 0;
        return run;
    };
}

Duel RunAlternately(const Runner& ours, const Runner& baseline, int rounds) {
    Duel duel;
    for (int round = 0; round < rounds; ++round) {
        duel.ours.push_back(ours());
        duel.baseline.push_back(baseline());
    }
    return duel;
}

void PrintDuel(const std::string& what, const std::string& ours, const std::string& baseline,
               const Duel& duel, const std::string& target) {
    // The best round of each: its wall and CPU seconds.
    const auto best = [](const std::vector<ChildRun>& runs) {
        return *std::min_element(
            runs.begin(), runs.end(),
            [](const ChildRun& a, const ChildRun& b) { return a.seconds < b.seconds; });
    };
    double worstRound = 1e30;
    std::int64_t peakKiB = 0;
    for (std::size_t k = 0; k < duel.ours.size(); ++k) {
        worstRound = std::min(worstRound, duel.baseline[k].seconds / duel.ours[k].seconds);
        peakKiB = std::max(peakKiB, duel.ours[k].peakRssKiB);
    }
    const ChildRun a = best(duel.ours);
    const ChildRun b = best(duel.baseline);
    double load[3] = {0, 0, 0};
    getloadavg(load, 3);
    std::printf(
        "%s: %s %.3f s (cpu %.3f s), %s %.3f s (cpu %.3f s), best of %zu alternated: %.2fx; "
        "worst round %.2fx; peak RSS %.1f MiB; load %.2f (%s)\n",
        what.c_str(), ours.c_str(), a.seconds, a.cpuSeconds, baseline.c_str(), b.seconds,
        b.cpuSeconds, duel.ours.size(), b.seconds / a.seconds, worstRound,
        static_cast<double>(peakKiB) / 1024, load[0], target.c_str());
    std::fflush(stdout);
}

void RunBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        std::exit(1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

}  // namespace orvel::bench
