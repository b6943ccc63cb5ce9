#include <QAction>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <set>

#include "app/about_dialog.h"
#include "app/help_window.h"
#include "app/menu_tables.h"
#include "support/gui_fixture.h"

namespace Cmd = orvel::Cmd;
using orvel::CommandId;
using orvel::MarkColor;
using orvel::test::ReadFileBytes;
using orvel::test::WriteFileBytes;

namespace {

class MainWindowTest : public GuiTest {
  protected:
    CChildFrame* OpenBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const std::string path = dir_.File(name);
        WriteFileBytes(path, bytes);
        return OpenFile(path);
    }
    bool Enabled(CommandId cmd) const {
        frame()->UpdateCommands();
        return frame()->action(cmd)->isEnabled();
    }
    // The visible entries of a drop-down menu: item texts, "-" for separators,
    // "<recent>" for the whole recent-file list.
    static QStringList MenuEntries(QMenu* menu) {
        QStringList entries;
        bool inRecent = false;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() && !action->isVisible()) {
                inRecent = false;  // the hidden marker ends the recent-file list
                continue;
            }
            const QString text = action->text();
            // "Recent File" or a numbered entry such as "&1 /tmp/a.bin".
            const bool recent = !action->isSeparator() &&
                                (text == "Recent File" || (text.size() > 2 && text[0] == '&' &&
                                                           text[1].isDigit() && text[2] == ' '));
            if (recent) {
                if (!inRecent)
                    entries << "<recent>";
                inRecent = true;
                continue;
            }
            entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return entries;
    }
    QStringList TableEntries(const orvel::Menu& menu) const {
        QStringList entries;
        for (const CommandId cmd : menu.items) {
            if (cmd == Cmd::None) {
                entries << "-";
            } else if (cmd == Cmd::FileRecent) {
                entries << "<recent>";
            } else {
                const std::string_view text = frame()->commands().Find(cmd)->info.menuText;
                entries << QString::fromUtf8(text.data(), static_cast<int>(text.size()));
            }
        }
        return entries;
    }
    void ExpectMenusMatch(orvel::MenuBarKind kind) {
        const auto table = orvel::MenuBar(kind);
        const QList<QAction*> menus = frame()->menuBar()->actions();
        ASSERT_EQ(menus.size(), static_cast<qsizetype>(table.size()));
        for (std::size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(menus[i]->text().toStdString(), table[i].title);
            EXPECT_EQ(MenuEntries(menus[i]->menu()), TableEntries(table[i])) << table[i].title;
        }
    }
};

TEST_F(MainWindowTest, MenusMatchTheTablesWithAndWithoutADocument) {
    ExpectMenusMatch(orvel::MenuBarKind::kNoDocument);
    struct Case {
        CommandId cmd;
        bool enabled;
    };
    const Case withoutDocument[] = {
        {Cmd::FileNew, true},           {Cmd::FileOpen, true},
        {Cmd::FileImportHexText, true}, {Cmd::FileExportHexText, false},
        {Cmd::FileSave, false},         {Cmd::MarkClear, false},
        {Cmd::ViewToolbar, false},      {Cmd::ViewStatusBar, true},
        {Cmd::WindowNew, false},        {Cmd::WindowCascade, false},
        {Cmd::HelpTopics, true},        {Cmd::HelpAbout, true},
        {Cmd::HelpAsciiTable, true},    {Cmd::HelpNotationConvert, true},
    };
    for (const Case& c : withoutDocument)
        EXPECT_EQ(Enabled(c.cmd), c.enabled) << frame()->action(c.cmd)->text().toStdString();

    frame()->NewDocument();
    ExpectMenusMatch(orvel::MenuBarKind::kSingleFile);
    const Case withDocument[] = {
        {Cmd::FileNew, true},           {Cmd::FileOpen, true},      {Cmd::FileImportHexText, true},
        {Cmd::FileExportHexText, true}, {Cmd::FileClose, true},     {Cmd::FileSave, true},
        {Cmd::FileSaveAs, true},        {Cmd::MarkClear, true},     {Cmd::ViewToolbar, false},
        {Cmd::ViewStatusBar, true},     {Cmd::WindowNew, true},     {Cmd::WindowCascade, true},
        {Cmd::WindowTile, true},        {Cmd::WindowArrange, true}, {Cmd::HelpTopics, true},
    };
    for (const Case& c : withDocument)
        EXPECT_EQ(Enabled(c.cmd), c.enabled) << frame()->action(c.cmd)->text().toStdString();

    // A marking run holds back Clear Marks and the export; the reference
    // windows stay available.
    auto& data = frame()->activeChild()->document()->data();
    data.m_bMarking = 1;
    data.m_bMarkIdle = 0;
    EXPECT_FALSE(Enabled(Cmd::MarkClear));
    EXPECT_FALSE(Enabled(Cmd::FileExportHexText));
    EXPECT_FALSE(Enabled(Cmd::FileImportHexText));
    EXPECT_TRUE(Enabled(Cmd::HelpAsciiTable));
    EXPECT_TRUE(Enabled(Cmd::HelpNotationConvert));
    data.m_bMarking = 0;
    data.m_bMarkIdle = 1;
}

TEST_F(MainWindowTest, EveryAcceleratorReachesItsCommand) {
    for (const orvel::Accelerator& accelerator : orvel::Accelerators(frame()->commands())) {
        const QKeySequence keys = QKeySequence::fromString(
            QString::fromUtf8(accelerator.keys.data(), static_cast<int>(accelerator.keys.size())));
        QAction* action = frame()->action(accelerator.cmd);
        ASSERT_NE(action, nullptr) << accelerator.keys;
        EXPECT_TRUE(action->shortcuts().contains(keys)) << accelerator.keys;
    }
}

// Each command of the registry has its handler, except those that stay
// unavailable on purpose; each has its action.
TEST_F(MainWindowTest, EveryCommandIsBoundButTheUnavailableOnes) {
    const std::set<std::string_view> unbound = {"ViewToolbar", "RepeatFind", "ObjectProperties",
                                                "Escape"};
    for (const orvel::CommandRegistry::Row& row : frame()->commands().rows()) {
        EXPECT_EQ(static_cast<bool>(row.handler.run), unbound.count(row.info.id.name) == 0)
            << row.info.id.name;
        EXPECT_NE(frame()->action(row.info.id), nullptr) << row.info.id.name;
    }
}

TEST_F(MainWindowTest, ClearMarksByCtrlMLeavesTheDocumentUnmodified) {
    CChildFrame* child = OpenBytes("marked.bin", std::vector<std::uint8_t>(100, 0x41));
    ASSERT_NE(child, nullptr);
    COrvelView* view = child->view();
    view->marks().Paint(10, 0x1F, MarkColor::kRed);
    view->MarksChanged(10, 0x1F);
    ASSERT_FALSE(view->marks().empty());
    view->setFocus();
    QTest::keyClick(view, Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(view->marks().empty());
    EXPECT_FALSE(child->document()->IsModified());
    EXPECT_EQ(child->document()->data().size(), 100);
}

TEST_F(MainWindowTest, ExportReplacesALongerFileWithExactlyTheDumpText) {
    CChildFrame* child = OpenBytes("four.bin", {0x4D, 0x5A, 0x90, 0x00});
    const std::string target = dir_.File("dump.txt");
    WriteFileBytes(target, std::vector<std::uint8_t>(5000, 'x'));
    prompts().ChooseFileNext(QString::fromStdString(target));
    ASSERT_TRUE(frame()->RouteCommand(Cmd::FileExportHexText));
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(prompts().asked, QStringList{"Select the file to save the hex display"});
    const std::vector<std::uint8_t> written = ReadFileBytes(target);
    EXPECT_EQ(std::string(written.begin(), written.end()), ViewText(child->view()));

    // A cancelled dialog writes nothing and says nothing.
    prompts().Reset();
    prompts().ChooseFileNext(QString());
    frame()->RouteCommand(Cmd::FileExportHexText);
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(prompts().asked.size(), 1);
}

TEST_F(MainWindowTest, ExportFailureNamesTheFileAndTheCause) {
    frame()->NewDocument();
    const QString target = QString::fromStdString(dir_.File("missing-folder/dump.txt"));
    prompts().ChooseFileNext(target);
    frame()->RouteCommand(Cmd::FileExportHexText);
    ASSERT_TRUE(WaitJobs());
    ASSERT_EQ(prompts().asked.size(), 2);
    EXPECT_EQ(prompts().asked[1], "Failed to save the hex display into the export file " + target +
                                      "\nCause: No such file or directory");
}

TEST_F(MainWindowTest, ImportMakesAnUntitledModifiedDocumentOrNothing) {
    // Cancelled: no window, no message.
    prompts().ChooseFileNext(QString());
    frame()->RouteCommand(Cmd::FileImportHexText);
    EXPECT_TRUE(frame()->children().empty());
    EXPECT_EQ(prompts().asked, QStringList{"Select file for importing hex values text"});

    // A missing file: the message, no window.
    prompts().Reset();
    const QString missing = QString::fromStdString(dir_.File("missing.txt"));
    prompts().ChooseFileNext(missing);
    frame()->RouteCommand(Cmd::FileImportHexText);
    EXPECT_TRUE(frame()->children().empty());
    ASSERT_EQ(prompts().asked.size(), 2);
    EXPECT_EQ(prompts().asked[1],
              "Failed to open file " + missing + "\nCause: No such file or directory");

    const std::string text = dir_.File("values.txt");
    const std::string content = "0x4D, 0x5A\n90 00 ABC";
    WriteFileBytes(text, std::vector<std::uint8_t>(content.begin(), content.end()));
    prompts().ChooseFileNext(QString::fromStdString(text));
    frame()->RouteCommand(Cmd::FileImportHexText);
    ASSERT_EQ(frame()->children().size(), 1u);
    COrvelDoc* doc = frame()->activeChild()->document();
    const auto& bytes = doc->data();
    ASSERT_EQ(bytes.size(), 5);
    const std::uint8_t expected[] = {0x4D, 0x5A, 0x90, 0x00, 0xAB};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(bytes.at(i), expected[i]) << i;
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->path().isEmpty());
    EXPECT_TRUE(doc->title().startsWith("Orvel"));
    // A plain New afterwards gives its 32 zero bytes again.
    frame()->NewDocument();
    EXPECT_EQ(frame()->activeChild()->document()->data().size(), 32);
}

TEST_F(MainWindowTest, NewWindowShowsTheSameBytesWithItsOwnMarks) {
    CChildFrame* first = frame()->NewDocument();
    ASSERT_TRUE(frame()->RouteCommand(Cmd::WindowNew));
    CChildFrame* second = frame()->activeChild();
    ASSERT_NE(second, first);
    ASSERT_EQ(second->document(), first->document());
    const QString title = first->document()->title();
    EXPECT_EQ(first->windowTitle(), title + ":1");
    EXPECT_EQ(second->windowTitle(), title + ":2");

    first->view()->marks().Paint(0, 3, MarkColor::kBlue);
    EXPECT_TRUE(second->view()->marks().empty());
    // Typing in the second view shows in the first.
    Type(second->view(), "41");
    EXPECT_EQ(first->document()->data().at(0), 0x41);
    EXPECT_EQ(ViewText(first->view()), ViewText(second->view()));
    EXPECT_EQ(first->view()->marks().ColorAt(0), MarkColor::kBlue);
    // A change of size drops the marks of every view.
    first->document()->data().RemoveBytes(0, 1);
    EXPECT_TRUE(first->view()->marks().empty());
    EXPECT_EQ(ViewText(first->view()), ViewText(second->view()));

    // The Window menu lists both windows; choosing one activates it.
    QMenu* windowMenu = frame()->menuBar()->actions()[5]->menu();
    emit windowMenu->aboutToShow();
    QStringList entries;
    for (QAction* entry : windowMenu->actions())
        entries << entry->text();
    EXPECT_EQ(entries.mid(4), (QStringList{"", "&1 " + title + ":1", "&2 " + title + ":2"}));
    EXPECT_TRUE(windowMenu->actions().last()->isChecked());
    windowMenu->actions()[5]->trigger();
    EXPECT_EQ(frame()->activeChild(), first);

    frame()->RouteCommand(Cmd::WindowTile);
    frame()->RouteCommand(Cmd::WindowCascade);
    frame()->RouteCommand(Cmd::WindowArrange);
    // Closing one of two views asks nothing; the last one asks.
    EXPECT_TRUE(second->close());
    EXPECT_TRUE(prompts().asked.isEmpty());
    EXPECT_EQ(first->windowTitle(), title);
    prompts().AnswerNext(UserPrompts::Answer::kNo);
    EXPECT_TRUE(first->close());
    EXPECT_EQ(prompts().asked.size(), 1);
}

TEST_F(MainWindowTest, ToolbarsShareTheTopRowAndTheMenuActions) {
    QToolBar* main = frame()->toolBar("Main toolbar");
    QToolBar* mark = frame()->toolBar("Mark Toolbar");
    ASSERT_NE(main, nullptr);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(frame()->toolBarArea(main), Qt::TopToolBarArea);
    EXPECT_EQ(frame()->toolBarArea(mark), Qt::TopToolBarArea);
    EXPECT_FALSE(frame()->toolBarBreak(mark));
    EXPECT_EQ(mark->geometry().top(), main->geometry().top());
    EXPECT_GT(mark->geometry().left(), main->geometry().right());

    EXPECT_TRUE(main->actions().contains(frame()->action(Cmd::FileNew)));
    EXPECT_TRUE(mark->actions().contains(frame()->action(Cmd::MarkClear)));
    EXPECT_EQ(frame()->action(Cmd::FileCompare)->toolTip(), "File Compare");
    EXPECT_EQ(frame()->action(Cmd::MarkClear)->toolTip(), "Clear Marks");
    EXPECT_FALSE(frame()->action(Cmd::MarkClear)->icon().isNull());
}

TEST_F(MainWindowTest, StatusBarShowsPromptsAndTheIdleText) {
    QStatusBar* bar = frame()->statusBar();
    auto* idle = bar->findChild<QLabel*>("idlePrompt");
    ASSERT_NE(idle, nullptr);
    EXPECT_EQ(idle->text(), "For Help, press F1");
    // The lock keys' state cannot be read: the indicators look disabled, not on.
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        const auto* label = bar->findChild<QLabel*>(indicator);
        ASSERT_NE(label, nullptr) << indicator;
        EXPECT_EQ(label->text(), indicator);
        EXPECT_FALSE(label->isEnabled()) << indicator;
        EXPECT_FALSE(label->toolTip().isEmpty()) << indicator;
    }

    frame()->action(Cmd::MarkClear)->showStatusText(frame());
    EXPECT_EQ(bar->currentMessage(), "Clear all the color marks");
    EXPECT_TRUE(idle->isHidden());
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(frame(), &leave);
    EXPECT_TRUE(bar->currentMessage().isEmpty());
    EXPECT_FALSE(idle->isHidden());

    // View > Status Bar hides and shows it, and its item shows the state.
    frame()->RouteCommand(Cmd::ViewStatusBar);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(frame()->action(Cmd::ViewStatusBar)->isChecked());
    frame()->RouteCommand(Cmd::ViewStatusBar);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(frame()->action(Cmd::ViewStatusBar)->isChecked());
}

TEST_F(MainWindowTest, AboutBoxShowsTheVersionAndClosesOnOk) {
    QString title;
    QStringList texts;
    bool hasIcon = false;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* box = frame()->findChild<AboutDlg*>();
        if (box == nullptr)
            return;  // the command showed nothing; the checks below fail
        modal = QApplication::activeModalWidget() == box;
        title = box->windowTitle();
        for (QLabel* label : box->findChildren<QLabel*>()) {
            texts << label->text();
            hasIcon = hasIcon || !label->pixmap().isNull();
        }
        auto* buttons = box->findChild<QDialogButtonBox*>();
        if (buttons != nullptr && buttons->button(QDialogButtonBox::Ok) != nullptr)
            buttons->button(QDialogButtonBox::Ok)->click();
        else
            box->reject();
    });
    EXPECT_TRUE(frame()->RouteCommand(Cmd::HelpAbout));
    EXPECT_TRUE(modal);
    EXPECT_EQ(title, "About Orvel");
    EXPECT_TRUE(texts.contains("Orvel Version 2.12"));
    EXPECT_TRUE(hasIcon);
    EXPECT_TRUE(frame()->findChildren<AboutDlg*>().isEmpty());
}

TEST_F(MainWindowTest, HelpTopicsListTheCommandsAndKeysInOneWindow) {
    frame()->RouteCommand(Cmd::HelpTopics);
    HelpWnd* help = frame()->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->text().contains("Clear Marks"));
    EXPECT_TRUE(help->text().contains("Ctrl+M"));
    EXPECT_TRUE(help->text().contains("Find Next Diff"));
    frame()->RouteCommand(Cmd::HelpContext);
    EXPECT_EQ(frame()->helpWindow(), help);
    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame()->helpWindow(), nullptr);
}

TEST_F(MainWindowTest, DroppedFilesOpenInSingleFileWindows) {
    const std::string a = dir_.File("a.bin");
    const std::string b = dir_.File("b.bin");
    WriteFileBytes(a, {1});
    WriteFileBytes(b, {2, 3});
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(a)),
                  QUrl::fromLocalFile(QString::fromStdString(b))});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window: outside a real drag the application drops the event.
    static_cast<QObject*>(frame())->event(&drop);
    ASSERT_TRUE(WaitJobs());
    ASSERT_EQ(frame()->children().size(), 2u);
    EXPECT_EQ(frame()->children()[1]->document()->data().size(), 2);
}

// A view hands its drops to the shell: each file opens in a window of its own,
// and a file already open only activates its window.
TEST_F(MainWindowTest, FilesDroppedOnAViewOpenInWindowsOfTheirOwn) {
    CChildFrame* target = OpenBytes("target.bin", {9});
    ASSERT_NE(target, nullptr);
    const std::string dropped = dir_.File("dropped.bin");
    WriteFileBytes(dropped, {1, 2, 3});
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(dropped)),
                  QUrl::fromLocalFile(target->document()->path())});
    // The application delivers a drop only to the widget that accepted the drag.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target->view()->viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target->view()->viewport(), &drop);
    ASSERT_TRUE(WaitJobs());
    ASSERT_EQ(frame()->children().size(), 2u);
    EXPECT_EQ(frame()->children()[1]->document()->data().size(), 3);
    EXPECT_EQ(frame()->activeChild(), target);
    EXPECT_EQ(target->document()->data().size(), 1);
}

}  // namespace
