// Title bars show the program's own titles and nothing after them.
#include "support/compare_gui_fixture.h"

#include "app/help_window.h"
#include "app/qt_user_prompts.h"
#include "editing/find_bytes_dlg.h"
#include "tools/ascii_table_dlg.h"
#include "tools/notation_convert_dlg.h"

#include <QTimer>

#include <functional>

namespace Cmd = orvel::Cmd;
using orvel::CommandId;

namespace {

// The title the window system shows for a top-level window: once the
// application has a display name, Qt adds " — " and that name to every title
// that does not end with it already.
QString ShownTitle(const QWidget* window) {
    // The display name falls back to the application name when none was set.
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(name + "?");
    const bool named =
        QGuiApplication::applicationDisplayName() != QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(name);
    const QString display = QGuiApplication::applicationDisplayName();
    const QString title = window->windowTitle();
    if (!named || title.endsWith(display))
        return title;
    return title + QStringLiteral(" \u2014 ") + display;
}

class WindowTitlesTest : public CompareGuiTest {
  protected:
    void TearDown() override {
        for (QWidget* window : std::initializer_list<QWidget*>{
                 frame()->asciiTableDlg(), frame()->notationDlg(), frame()->helpWindow()}) {
            if (window != nullptr)
                window->close();
        }
        CompareGuiTest::TearDown();
    }

    // The shown title of the modal window that `open` runs, which is then closed.
    static QString ModalTitle(const std::function<void()>& open) {
        QString title = QStringLiteral("<none>");
        QTimer::singleShot(0, [&title] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                title = ShownTitle(modal);
                modal->reject();
            }
        });
        open();
        return title;
    }
};

// The main window adds the title of its maximised document window.
TEST_F(WindowTitlesTest, MainWindowIsOrvelWithTheMaximisedDocumentsTitle) {
    EXPECT_EQ(ShownTitle(frame()), "Orvel");
    CChildFrame* child = frame()->NewDocument();
    ASSERT_NE(child, nullptr);
    const QString title = child->document()->title();
    EXPECT_EQ(child->windowTitle(), title);
    ASSERT_TRUE(child->isMaximized());
    EXPECT_EQ(ShownTitle(frame()), "Orvel - [" + title + "]");
    child->document()->data().MarkSaved();
    child->close();
    EXPECT_EQ(ShownTitle(frame()), "Orvel");

    CCompareFilesChildFrame* comparison = Open({1}, {2});
    ASSERT_NE(comparison, nullptr);
    EXPECT_TRUE(comparison->windowTitle().startsWith("File Comparison"));
    EXPECT_EQ(ShownTitle(frame()), "Orvel - [" + comparison->windowTitle() + "]");
}

TEST_F(WindowTitlesTest, DialogsMessageBoxesAndReferenceWindowsKeepTheirOwnTitles) {
    frame()->NewDocument();
    EXPECT_EQ(ModalTitle([this] { frame()->RouteCommand(Cmd::EditGoTo); }), "Go To");
    EXPECT_EQ(ModalTitle([this] { frame()->RouteCommand(Cmd::HelpAbout); }), "About Orvel");
    EXPECT_EQ(ModalTitle([this] {
                  QtUserPrompts().Tell(frame(), QStringLiteral("Please fill the Address field!"));
              }),
              "Orvel");

    frame()->RouteCommand(Cmd::EditFind);
    auto* find = frame()->findChild<CFindBytesDlg*>();
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(ShownTitle(find), "Find Bytes (in Hex)");
    find->close();

    frame()->RouteCommand(Cmd::HelpAsciiTable);
    frame()->RouteCommand(Cmd::HelpNotationConvert);
    frame()->RouteCommand(Cmd::HelpTopics);
    EXPECT_EQ(ShownTitle(frame()->asciiTableDlg()), "ASCII Table");
    EXPECT_EQ(ShownTitle(frame()->notationDlg()), "Notation Convert");
    EXPECT_EQ(ShownTitle(frame()->helpWindow()), "Orvel Help");
}

}  // namespace
