#include "support/gui_fixture.h"

#include <QMdiArea>
#include <QTest>

void GuiTest::SetUp() {
    auto prompts = std::make_unique<ScriptedPrompts>();
    prompts_ = prompts.get();
    COrvelApp::instance()->setPrompts(std::move(prompts));
    // Keyboard shortcuts reach only the active window.
    frame()->activateWindow();
    QApplication::setActiveWindow(frame());
}

void GuiTest::TearDown() {
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
