#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "support/gui_fixture.h"

using orvel::Cmd;
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
    const std::string path = dir_.File("R&D notes.bin");
    WriteFileBytes(path, {1, 2, 3});
    CChildFrame* child = frame()->OpenDocumentFile(QString::fromStdString(path));
    ASSERT_NE(child, nullptr);
    ASSERT_EQ(child->windowTitle(), "R&D notes.bin");

    EXPECT_EQ(Entries("&Window").last(), "&1 R&&D notes.bin");
    const QString recent = "&1 " + QString::fromStdString(dir_.File("R&&D notes.bin"));
    EXPECT_TRUE(Entries("&File").contains(recent)) << Entries("&File").join(" | ").toStdString();

    // The entry still opens the file of that name.
    child->close();
    for (QAction* entry : frame()->menuBar()->actions().front()->menu()->actions()) {
        if (entry->text() == recent)
            entry->trigger();
    }
    ASSERT_NE(frame()->activeChild(), nullptr);
    EXPECT_EQ(frame()->activeChild()->document()->path(), QString::fromStdString(path));
}

}  // namespace
