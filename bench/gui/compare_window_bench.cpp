// The comparison window's path against `orvel-cli compare FILE1 FILE2 >/dev/null`
// on the same two files of independent random bytes (256 MiB each, or
// $ORVEL_BENCH_COMPARE_MIB): Start Compare in an offscreen comparison window,
// the compare worker, its job's channel and both panes' mark stores, until the
// summary comes. The two alternate, five rounds; the best of each is compared.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QMdiArea>
#include <QToolBar>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>

#include "app/main_frame.h"
#include "app/orvel_app.h"
#include "bench_support.h"
#include "closing_prompts.h"
#include "compare/compare_command_table.h"
#include "compare/compare_files_child_frame.h"
#include "compare/compare_files_doc.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRounds = 5;

// Start Compare and the event loop until the comparison is over.
double TimeWindowCompare(CCompareFilesChildFrame* window) {
    const orvel::CompareDocument& data = window->document()->data();
    const Clock::time_point start = Clock::now();
    window->OnStartCompare();
    while (data.m_bCompareIdle != 1)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double g_bestWindow = 0;
double g_bestCli = 0;

void BM_CompareWindowVsCli(benchmark::State& state) {
    const std::int64_t size =
        orvel::bench::SizeFromEnvMiB("ORVEL_BENCH_COMPARE_MIB", 256) * (std::int64_t{1} << 20);
    const orvel::bench::TempRandomFile first(size, 1);
    const orvel::bench::TempRandomFile second(size, 2);
    auto* prompts = new orvel::bench::ClosingPrompts;
    COrvelApp::instance()->setPrompts(std::unique_ptr<UserPrompts>(prompts));
    auto doc = std::make_unique<CCompareFilesDoc>(*COrvelApp::instance(), nullptr);
    orvel::CompareFileFailure failure;
    if (!doc->data().Load(first.path(), second.path(), failure)) {
        state.SkipWithError(failure.message.c_str());
        return;
    }
    auto* window = new CCompareFilesChildFrame(*COrvelApp::instance(), std::move(doc),
                                               new QToolBar(QStringLiteral("Compare Files")));
    COrvelApp::instance()->mainFrame()->mdiArea()->addSubWindow(window);
    window->ActivateFrame();
    const std::vector<std::string> cli = {ORVEL_CLI_PATH, "compare", first.path(), second.path()};
    for (auto _ : state) {
        double bestWindow = std::numeric_limits<double>::max();
        double bestCli = std::numeric_limits<double>::max();
        for (int round = 0; round < kRounds; ++round) {
            const double windowSeconds = TimeWindowCompare(window);
            const orvel::bench::ChildRun run = orvel::bench::RunCommand(cli);
            if (run.status != 1) {
                state.SkipWithError("orvel-cli compare did not report differences");
                break;
            }
            std::printf("round %d: window %.3f s, orvel-cli %.3f s\n", round + 1, windowSeconds,
                        run.seconds);
            bestWindow = std::min(bestWindow, windowSeconds);
            bestCli = std::min(bestCli, run.seconds);
        }
        state.SetIterationTime(bestWindow);
        state.counters["window_s"] = bestWindow;
        state.counters["cli_s"] = bestCli;
        g_bestWindow = bestWindow;
        g_bestCli = bestCli;
    }
    std::printf("summary: %s\n", prompts->summary.toStdString().c_str());
    delete window;
}
BENCHMARK(BM_CompareWindowVsCli)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    COrvelApp app(argc, argv);
    app.InitInstance();
    orvel::bench::RunBenchmarks(argc, argv);
    double load[3] = {};
    if (getloadavg(load, 3) != 3)
        load[0] = load[1] = load[2] = -1;
    if (g_bestCli > 0) {
        std::printf(
            "\ncompare window / orvel-cli compare, best of %d: %.3f s / %.3f s = %.3f "
            "(goal <= 1.5); load average %.2f %.2f %.2f\n",
            kRounds, g_bestWindow, g_bestCli, g_bestWindow / g_bestCli, load[0], load[1], load[2]);
    }
    return 0;
}
