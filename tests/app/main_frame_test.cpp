#include <sys/resource.h>

#include <QAction>
#include <QMdiArea>
#include <QMenuBar>
#include <QPrinter>
#include <QSettings>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "support/gui_fixture.h"

namespace Cmd = orvel::Cmd;
using orvel::CommandId;
using orvel::test::ReadFileBytes;
using orvel::test::WriteFileBytes;

namespace {

class MainFrameTest : public GuiTest {};

TEST_F(MainFrameTest, NewGivesIndependent32ByteUntitledDocuments) {
    ASSERT_TRUE(frame()->RouteCommand(Cmd::FileNew));
    EXPECT_TRUE(frame()->activeChild()->isMaximized());
    // A new window opens maximised even when the previous one was restored.
    frame()->activeChild()->showNormal();
    ASSERT_TRUE(frame()->RouteCommand(Cmd::FileNew));
    EXPECT_TRUE(frame()->activeChild()->isMaximized());
    const auto children = frame()->children();
    ASSERT_EQ(children.size(), 2u);
    const QString first = children[0]->document()->title();
    const QString second = children[1]->document()->title();
    EXPECT_TRUE(first.startsWith("Orvel"));
    EXPECT_EQ(second.mid(5).toInt(), first.mid(5).toInt() + 1);
    for (CChildFrame* child : children) {
        EXPECT_EQ(child->document()->data().size(), 32);
        EXPECT_TRUE(child->document()->IsModified());
    }
    children[0]->document()->data().SetByte(0, 0x55);
    EXPECT_EQ(children[1]->document()->data().at(0), 0);
}

TEST_F(MainFrameTest, OpenShowsTheDumpWithTheCaretOnTheFirstByte) {
    const std::string path = dir_.File("four.bin");
    WriteFileBytes(path, {0x4D, 0x5A, 0x90, 0x00});
    prompts().ChooseFileNext(QString::fromStdString(path));
    ASSERT_TRUE(frame()->RouteCommand(Cmd::FileOpen));
    ASSERT_TRUE(WaitJobs());
    CChildFrame* child = frame()->activeChild();
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(child->document()->IsModified());
    EXPECT_EQ(child->document()->title(), "four.bin");
    EXPECT_EQ(ViewText(child->view()).substr(77),
              "\n0000000  4D 5A 90 00" + std::string(40, ' ') + "MZ..");
    EXPECT_EQ(child->view()->selection(), (orvel::TextSelection{87, 87}));
    // Opening the same file again activates its window instead of a second one.
    EXPECT_EQ(OpenFile(path), child);
    EXPECT_EQ(frame()->children().size(), 1u);
}

TEST_F(MainFrameTest, OpenFailureNamesTheCauseAndOpensNothing) {
    EXPECT_EQ(OpenFile(dir_.File("missing")), nullptr);
    ASSERT_EQ(prompts().asked.size(), 1);
    EXPECT_EQ(prompts().asked[0], "Failed to open the file because No such file or directory");
    EXPECT_TRUE(frame()->children().empty());
}

TEST_F(MainFrameTest, FileTooLargeIsRefusedWithAMessage) {
    const std::string path = dir_.File("huge");
    WriteFileBytes(path, {});
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(orvel::kMaxFileSize) + 1);
    EXPECT_EQ(OpenFile(path), nullptr);
    ASSERT_EQ(prompts().asked.size(), 1);
    EXPECT_TRUE(
        prompts().asked[0].startsWith("Failed to open the file because The file is larger"));
    EXPECT_TRUE(frame()->children().empty());
}

TEST_F(MainFrameTest, CloseAsksToSaveChangesOfAModifiedDocument) {
    CChildFrame* child = frame()->NewDocument();
    const QString title = child->document()->title();
    prompts().AnswerNext(UserPrompts::Answer::kCancel);
    EXPECT_FALSE(child->close());
    EXPECT_EQ(prompts().asked.last(), "Save changes to " + title + "?");
    EXPECT_EQ(frame()->children().size(), 1u);
    // Yes on an untitled document asks for a name; the file gets its 32 zeros.
    const std::string target = dir_.File("saved.bin");
    prompts().AnswerNext(UserPrompts::Answer::kYes);
    prompts().ChooseFileNext(QString::fromStdString(target));
    EXPECT_TRUE(child->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame()->children().empty());
    EXPECT_EQ(ReadFileBytes(target), std::vector<std::uint8_t>(32, 0));
}

TEST_F(MainFrameTest, UnmodifiedDocumentClosesWithoutQuestion) {
    const std::string path = dir_.File("plain.bin");
    WriteFileBytes(path, {1, 2, 3});
    CChildFrame* child = OpenFile(path);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(frame()->RouteCommand(Cmd::FileClose));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(prompts().asked.isEmpty());
    EXPECT_TRUE(frame()->children().empty());
}

// A save that fails half-way (the process may write no more than 50000 bytes
// to a file) reports the path and the cause, leaves the file on disk as it
// was, and keeps the document modified.
TEST_F(MainFrameTest, FailedSaveLeavesTheFileAndTheModifiedState) {
    const std::string path = dir_.File("big.bin");
    std::vector<std::uint8_t> original(100000);
    for (std::size_t i = 0; i < original.size(); ++i)
        original[i] = static_cast<std::uint8_t>(i);
    WriteFileBytes(path, original);
    CChildFrame* child = OpenFile(path);
    ASSERT_NE(child, nullptr);
    child->document()->data().SetByte(5, 0xEE);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved;
    limit.rlim_cur = 50000;
    setrlimit(RLIMIT_FSIZE, &limit);
    frame()->RouteCommand(Cmd::FileSave);
    const bool ended = WaitJobs();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(ended);
    ASSERT_EQ(prompts().asked.size(), 1);
    EXPECT_EQ(prompts().asked[0],
              "Failed to save the file " + child->document()->path() + "\nCause: File too large");
    EXPECT_EQ(ReadFileBytes(path), original);
    EXPECT_TRUE(child->document()->IsModified());
    // Once writing works again the same command saves.
    frame()->RouteCommand(Cmd::FileSave);
    ASSERT_TRUE(WaitJobs());
    EXPECT_FALSE(child->document()->IsModified());
    original[5] = 0xEE;
    EXPECT_EQ(ReadFileBytes(path), original);
}

TEST_F(MainFrameTest, RecentFileListKeepsFourAndIsStoredInTheProfile) {
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        const std::string path = dir_.File("recent" + std::to_string(i));
        WriteFileBytes(path, {static_cast<std::uint8_t>(i)});
        ASSERT_NE(OpenFile(path), nullptr);
        paths << QString::fromStdString(path);
    }
    const auto& entries = COrvelApp::instance()->recentFiles().entries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(QString::fromStdString(entries[0]), paths[4]);
    QSettings profile(QStringLiteral("Pellan Works"), QStringLiteral("Orvel"));
    EXPECT_EQ(profile.value("Recent File List/File1").toString(), paths[4]);
    EXPECT_EQ(profile.value("Recent File List/File4").toString(), paths[1]);
    EXPECT_FALSE(profile.contains("Recent File List/File5"));
}

TEST_F(MainFrameTest, MenusFollowTheActiveWindow) {
    const auto titles = [this] {
        QStringList list;
        for (QAction* menu : frame()->menuBar()->actions())
            list << menu->text();
        return list;
    };
    EXPECT_EQ(titles(),
              (QStringList{"&File", "&Edit", "&Operations", "&Mark", "&View", "&Window", "&Help"}));
    EXPECT_FALSE(frame()->action(Cmd::FileSave) != nullptr &&
                 frame()->action(Cmd::FileSave)->isEnabled());
    frame()->NewDocument();
    frame()->UpdateCommands();
    EXPECT_TRUE(frame()->action(Cmd::FileSave)->isEnabled());
    EXPECT_EQ(frame()->action(Cmd::FileSave)->text(), "&Save\tCtrl+S");
    // While a marking run owns the document, the file commands wait.
    auto& data = frame()->activeChild()->document()->data();
    data.m_bMarking = 1;
    data.m_bMarkIdle = 0;
    frame()->UpdateCommands();
    EXPECT_FALSE(frame()->action(Cmd::FileSave)->isEnabled());
    EXPECT_FALSE(frame()->action(Cmd::FileNew)->isEnabled());
    EXPECT_FALSE(frame()->action(Cmd::FileOpen)->isEnabled());
    data.m_bMarking = 0;
    data.m_bMarkIdle = 1;
    frame()->UpdateCommands();
    EXPECT_TRUE(frame()->action(Cmd::FileNew)->isEnabled());
}

TEST_F(MainFrameTest, PrintsToPdfOffscreen) {
    CChildFrame* child = frame()->NewDocument();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string pdf = dir_.File("dump.pdf");
    printer.setOutputFileName(QString::fromStdString(pdf));
    child->view()->PrintTo(printer);
    const auto bytes = ReadFileBytes(pdf);
    ASSERT_GT(bytes.size(), 100u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "%PDF");
}

}  // namespace
