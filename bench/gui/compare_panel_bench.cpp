// What the differences panel and the overview bars add to a plain comparison:
// Start Compare in an offscreen comparison window (worker, panes, panel and
// overview bars) against a compare worker that paints the same two panes and
// feeds nothing else, on two files of 1 GiB (or $ORVEL_BENCH_PANEL_MIB) that
// differ in 1000 scattered bytes. The two alternate, five rounds each.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QMdiArea>
#include <QToolBar>
#include <cstdio>
#include <memory>
#include <random>

#include "app/main_frame.h"
#include "app/orvel_app.h"
#include "bench_support.h"
#include "closing_prompts.h"
#include "compare/compare_diffs.h"
#include "compare/compare_files_child_frame.h"
#include "compare/compare_files_doc.h"
#include "compare/compared_file_view.h"

namespace {

constexpr int kDifferences = 1000;

void RunUntilIdle(const orvel::CompareDocument& data) {
    while (data.m_bCompareIdle != 1)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void BM_PanelAndOverviewVsPanesOnly(benchmark::State& state) {
    const std::int64_t size =
        orvel::bench::SizeFromEnvMiB("ORVEL_BENCH_PANEL_MIB", 1024) * (std::int64_t{1} << 20);
    const orvel::bench::TempRandomFile file(size, 1);
    auto* prompts = new orvel::bench::ClosingPrompts;
    COrvelApp::instance()->setPrompts(std::unique_ptr<UserPrompts>(prompts));
    auto doc = std::make_unique<CCompareFilesDoc>(*COrvelApp::instance(), nullptr);
    orvel::CompareFileFailure failure;
    if (!doc->data().Load(file.path(), file.path(), failure)) {
        state.SkipWithError(failure.message.c_str());
        return;
    }
    // The second copy differs in scattered single bytes.
    orvel::BinaryDocument& second = doc->data().file(orvel::ComparedFile::kSecond);
    std::mt19937_64 rng(7);
    for (int k = 0; k < kDifferences; ++k) {
        const auto at = static_cast<orvel::Offset>(rng() % static_cast<std::uint64_t>(size));
        (void)second.SetByte(at, static_cast<std::uint8_t>(second.at(at) ^ 0x5A));
    }
    auto* window = new CCompareFilesChildFrame(*COrvelApp::instance(), std::move(doc),
                                               new QToolBar(QStringLiteral("Compare Files")));
    COrvelApp::instance()->mainFrame()->mdiArea()->addSubWindow(window);
    window->ActivateFrame();
    orvel::CompareDocument& data = window->document()->data();
    // Goes before the window, whose document it reads.
    auto panesOnly = std::make_unique<CompareWorker>(*COrvelApp::instance(), data, window, nullptr);
    panesOnly->setPanes(window->view1(), window->view2());

    for (auto _ : state) {
        const orvel::bench::Duel duel = orvel::bench::RunAlternately(orvel::bench::InProcess([&] {
                                                                         window->OnStartCompare();
                                                                         RunUntilIdle(data);
                                                                     }),
                                                                     orvel::bench::InProcess([&] {
                                                                         panesOnly->Start();
                                                                         RunUntilIdle(data);
                                                                     }));
        orvel::bench::PrintDuel("plain comparison with the panel and overview bars", "window",
                                "panes only", duel, "at most 10% slower (multiple >= 0.91)");
        state.SetIterationTime(duel.ours.front().seconds);
    }
    std::printf("summary: %s; panel rows: %zu\n", prompts->summary.toStdString().c_str(),
                window->diffs().diffs().size());
    panesOnly.reset();
    delete window;
}
BENCHMARK(BM_PanelAndOverviewVsPanesOnly)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    COrvelApp app(argc, argv);
    app.InitInstance();
    orvel::bench::RunBenchmarks(argc, argv);
    return 0;
}
