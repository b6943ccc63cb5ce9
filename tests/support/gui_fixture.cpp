#include "support/gui_fixture.h"

#include <QMdiArea>
#include <QTest>
#include <memory>
#include <optional>

#include "jobs/status_bar_jobs.h"

namespace {

constexpr int kJobWaitMs = 60000;

// Waits for a callback's answer; null when it never came.
template <typename Window>
Window* WaitForWindow(const std::shared_ptr<std::optional<Window*>>& answer) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer->has_value(); }, kJobWaitMs));
    return answer->value_or(nullptr);
}

}  // namespace

void GuiTest::SetUp() {
    auto prompts = std::make_unique<ScriptedPrompts>();
    prompts_ = prompts.get();
    COrvelApp::instance()->setPrompts(std::move(prompts));
    // Keyboard shortcuts reach only the active window.
    frame()->activateWindow();
    QApplication::setActiveWindow(frame());
}

void GuiTest::TearDown() {
    EXPECT_TRUE(WaitJobs());
    CloseAll();
    EXPECT_EQ(prompts_->unexpected, 0) << prompts_->asked.join(" | ").toStdString();
}

void GuiTest::CloseAll() {
    for (CChildFrame* child : frame()->children()) {
        child->document()->data().MarkSaved();
        child->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void GuiTest::Type(COrvelView* view, const QString& text) {
    for (const QChar c : text)
        QTest::keyClick(view, c.toLatin1());
}

void GuiTest::ClickAt(COrvelView* view, orvel::Offset pos) {
    const QPoint at = view->PositionToPoint(pos) + QPoint(1, view->lineHeight() / 2);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

std::string GuiTest::ViewText(const COrvelView* view) {
    return view->dump().Text(0, view->dump().Length());
}

CChildFrame* GuiTest::OpenFile(const QString& path) {
    auto answer = std::make_shared<std::optional<CChildFrame*>>();
    frame()->OpenDocumentFile(
        path, [answer](CChildFrame* child, COrvelDoc::OpenOutcome) { *answer = child; });
    return WaitForWindow(answer);
}

std::string GuiTest::WriteFile(const std::string& name,
                               const std::vector<std::uint8_t>& bytes) const {
    const std::string path = dir_.File(name);
    orvel::test::WriteFileBytes(path, bytes);
    return path;
}

bool GuiTest::Enabled(orvel::CommandId cmd) const {
    frame()->UpdateCommands();
    return frame()->action(cmd)->isEnabled();
}

CCompareFilesChildFrame* GuiTest::CompareFiles() {
    auto answer = std::make_shared<std::optional<CCompareFilesChildFrame*>>();
    frame()->CompareFiles([answer](CCompareFilesChildFrame* window) { *answer = window; });
    return WaitForWindow(answer);
}

bool GuiTest::WaitJobs() const {
    return QTest::qWaitFor([this] { return frame()->jobs().idle(); }, kJobWaitMs);
}
