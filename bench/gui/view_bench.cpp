// The hex view offscreen: painting a full screen (plain, and with every byte
// marked in the other colour than its neighbours, so each cell is a run of its
// own), typing a digit and Ctrl+End, on a 4 GiB - 1 byte document and, as the
// baseline in the same run, on a 1 MiB one. Every step must cost the same
// whatever the file size.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QScrollBar>

#include "app/orvel_app.h"
#include "document/orvel_doc.h"
#include "view/orvel_view.h"

namespace {

COrvelView* ViewOfSize(orvel::Offset size) {
    // A top-level view of a fixed size, so both sizes paint the same screen.
    static std::map<orvel::Offset, COrvelView*> views;
    COrvelView*& view = views[size];
    if (view == nullptr) {
        COrvelApp* app = COrvelApp::instance();
        auto* doc = new COrvelDoc(*app, nullptr, app);
        orvel::ByteBuffer bytes;
        bytes.resizeForOverwrite(size);  // pages never written read as zero
        doc->data().AssignBytes(std::move(bytes), false);
        view = new COrvelView(*app, doc);
        view->resize(1000, 800);
        view->show();
    }
    return view;
}

void Render(COrvelView* view) {
    QPixmap pixmap(view->viewport()->size());
    view->viewport()->render(&pixmap);
    benchmark::DoNotOptimize(pixmap.cacheKey());
}

void SendKey(COrvelView* view, int key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(view, &press);
}

void BM_PaintScreenAtTop(benchmark::State& state) {
    COrvelView* view = ViewOfSize(state.range(0));
    view->verticalScrollBar()->setValue(0);
    for (auto _ : state)
        Render(view);
}

void BM_PaintScreenAtLastLine(benchmark::State& state) {
    COrvelView* view = ViewOfSize(state.range(0));
    view->SetCaret(view->dump().Length());
    for (auto _ : state)
        Render(view);
}

void BM_PaintMarkedScreenAtLastLine(benchmark::State& state) {
    COrvelView* view = ViewOfSize(state.range(0));
    view->SetCaret(view->dump().Length());
    const orvel::Offset last = state.range(0) - 1;
    view->marks().Paint(orvel::PaintRun{last - 0xFFFF, last, orvel::MarkColor::kRed, 1,
                                        orvel::MarkColor::kBlue, last - 0xFFFF});
    for (auto _ : state)
        Render(view);
    view->ClearAllMarks();
}

void BM_TypeDigitAtLastByte(benchmark::State& state) {
    COrvelView* view = ViewOfSize(state.range(0));
    const orvel::Offset high = view->layout().ByteToHexPos(state.range(0) - 1).high;
    for (auto _ : state) {
        view->SetCaret(high);
        SendKey(view, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
        Render(view);
    }
}

void BM_CtrlEndFromTop(benchmark::State& state) {
    COrvelView* view = ViewOfSize(state.range(0));
    for (auto _ : state) {
        view->SetCaret(0);
        SendKey(view, Qt::Key_End, Qt::ControlModifier);
        Render(view);
    }
}

constexpr int64_t kSmall = 1 << 20;
constexpr int64_t kHuge = orvel::kMaxFileSize;

BENCHMARK(BM_PaintScreenAtTop)->Arg(kSmall)->Arg(kHuge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintScreenAtLastLine)->Arg(kSmall)->Arg(kHuge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintMarkedScreenAtLastLine)->Arg(kSmall)->Arg(kHuge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeDigitAtLastByte)->Arg(kSmall)->Arg(kHuge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CtrlEndFromTop)->Arg(kSmall)->Arg(kHuge)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    COrvelApp app(argc, argv);
    app.InitInstance();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
