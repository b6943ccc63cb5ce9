#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "support/gui_fixture.h"

namespace Cmd = orvel::Cmd;
using orvel::CommandId;
using orvel::test::WriteFileBytes;

namespace {

class WindowMenuTest : public GuiTest {
  protected:
    // The texts of a drop-down menu of the menu bar, after it prepared to open.
    QStringList Entries(const QString& title) const {
        for (QAction* item : frame()->menuBar()->actions()) {
            if (item->text() != title)
                continue;
            emit item->menu()->aboutToShow();
            QStringList texts;
            for (QAction* entry : item->menu()->actions())
                texts << entry->text();
            return texts;
        }
        return {};
    }
};

// "R&D notes.bin" shows as itself, not as "RD notes.bin" with D underlined.
TEST_F(WindowMenuTest, AmpersandsInFileNamesShowAsThemselves) {
    const std::string path = WriteFile("R&D notes.bin", {1, 2, 3});
    CChildFrame* child = OpenFile(path);
    ASSERT_NE(child, nullptr);
    ASSERT_EQ(child->windowTitle(), "R&D notes.bin[*]");

    EXPECT_EQ(Entries("&Window").last(), "&1 R&&D notes.bin");
    const QString recent = "&1 " + QString::fromStdString(dir_.File("R&&D notes.bin"));
    EXPECT_TRUE(Entries("&File").contains(recent)) << Entries("&File").join(" | ").toStdString();

    // The entry still opens the file of that name.
    child->close();
    for (QAction* entry : frame()->menuBar()->actions().front()->menu()->actions()) {
        if (entry->text() == recent)
            entry->trigger();
    }
    ASSERT_TRUE(WaitJobs());
    ASSERT_NE(frame()->activeChild(), nullptr);
    EXPECT_EQ(frame()->activeChild()->document()->path(), QString::fromStdString(path));
}

// Cascade leaves every window big enough to work in, one title bar apart,
// with the active one in front.
TEST_F(WindowMenuTest, CascadeGivesEachWindowTwoThirdsOfTheArea) {
    for (int i = 0; i < 3; ++i)
        ASSERT_NE(frame()->NewDocument(), nullptr);
    CChildFrame* active = frame()->activeChild();
    frame()->RouteCommand(Cmd::WindowCascade);

    const QSize area = frame()->mdiArea()->viewport()->size();
    const QList<QMdiSubWindow*> windows =
        frame()->mdiArea()->subWindowList(QMdiArea::StackingOrder);
    ASSERT_EQ(windows.size(), 3);
    for (const QMdiSubWindow* window : windows) {
        EXPECT_FALSE(window->isMaximized());
        EXPECT_EQ(window->size(), QSize(area.width() * 2 / 3, area.height() * 2 / 3));
    }
    const QPoint step = windows[1]->pos() - windows[0]->pos();
    EXPECT_EQ(windows[0]->pos(), QPoint(0, 0));
    EXPECT_GT(step.x(), 0);
    EXPECT_EQ(step.y(), step.x());
    EXPECT_EQ(windows[2]->pos() - windows[1]->pos(), step);
    EXPECT_EQ(windows.last(), active);
    EXPECT_EQ(frame()->activeChild(), active);
    COrvelView* view = active->view();
    EXPECT_GE(view->viewport()->height(), 10 * view->lineHeight());
}

}  // namespace
