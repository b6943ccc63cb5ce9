// Files named together: the command line of `orvel` (what it asks for, what
// the built program prints and how it ends, what start-up opens) and files
// dropped together.
#include "app/command_line.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMimeData>

#include "support/compare_gui_fixture.h"
#include "support/shell_run.h"

using orvel::ComparedFile;
using orvel::OpenRequest;
using Action = CommandLine::Action;

namespace {

CommandLine Parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("orvel"));
    return ParseCommandLine(arguments);
}

TEST(CommandLineTest, FilesOptionsAndFaults) {
    struct Row {
        QStringList arguments;
        OpenRequest open;
    };
    const Row starts[] = {
        {{}, {}},
        {{"a.bin", "b.bin", "c.bin"}, {OpenRequest::Kind::kEachFile, {"a.bin", "b.bin", "c.bin"}}},
        {{"a.bin", "b.bin"}, {OpenRequest::Kind::kEachFile, {"a.bin", "b.bin"}}},
        {{"--compare", "a.bin", "b.bin"}, {OpenRequest::Kind::kComparison, {"a.bin", "b.bin"}}},
        {{"a.bin", "--compare", "b.bin"}, {OpenRequest::Kind::kComparison, {"a.bin", "b.bin"}}},
        // After "--" a name that looks like an option is a file.
        {{"--", "--compare", "-v"}, {OpenRequest::Kind::kEachFile, {"--compare", "-v"}}},
    };
    for (const Row& row : starts) {
        const CommandLine line = Parse(row.arguments);
        EXPECT_EQ(line.action, Action::kStart) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(line.open, row.open) << row.arguments.join(' ').toStdString();
    }
    const QStringList faults[] = {{"--bogus"},
                                  {"-x", "a.bin"},
                                  {"--compare"},
                                  {"--compare", "a.bin"},
                                  {"--compare", "a", "b", "c"},
                                  {"--help-all"}};
    for (const QStringList& arguments : faults) {
        const CommandLine line = Parse(arguments);
        EXPECT_EQ(line.action, Action::kFail) << arguments.join(' ').toStdString();
        EXPECT_TRUE(line.text.startsWith("orvel: ")) << line.text.toStdString();
        EXPECT_TRUE(line.text.endsWith("Usage: orvel [--compare FILE1 FILE2] [FILE...]\n"))
            << line.text.toStdString();
        EXPECT_TRUE(line.open.files.empty());
    }
    EXPECT_TRUE(Parse({"--bogus"}).text.contains("bogus"));
    EXPECT_EQ(Parse({"--help", "a.bin"}).action, Action::kHelp);
    EXPECT_EQ(Parse({"-h"}).action, Action::kHelp);
    EXPECT_EQ(Parse({"--version"}).text, "Orvel 2.12\n");
}

// The built program prints help and version on standard output and ends with
// 0; a bad option prints the fault and the usage line on standard error and
// ends with 2. No window opens for any of them.
TEST(CommandLineTest, TheProgramAnswersHelpVersionAndBadOptions) {
    using orvel::test::Shell;
    const std::string orvel = "QT_QPA_PLATFORM=offscreen " + orvel::test::Quoted(ORVEL_PATH);
    const auto help = Shell(orvel + " --help 2>/dev/null");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--compare"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("--version"), std::string::npos) << help.out;
    const auto version = Shell(orvel + " --version 2>/dev/null");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Orvel 2.12\n");
    const auto bad = Shell(orvel + " --bogus 2>&1 >/dev/null");
    EXPECT_EQ(bad.status, kUsageExitStatus);
    EXPECT_NE(bad.out.find("Usage: orvel [--compare FILE1 FILE2] [FILE...]"), std::string::npos)
        << bad.out;
    EXPECT_EQ(Shell(orvel + " --bogus 2>/dev/null").out, "");
}

// The desktop finds the program's entry by this name.
TEST(CommandLineTest, TheDesktopFileNameIsTheInstalledEntry) {
    EXPECT_EQ(QGuiApplication::desktopFileName(), "orvel");
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral(ORVEL_SOURCE_DIR "/resources/desktop/") +
                                  QGuiApplication::desktopFileName() + ".desktop"));
}

class StartupOpenTest : public CompareGuiTest {
  protected:
    [[nodiscard]] std::vector<CCompareFilesChildFrame*> Comparisons() const {
        std::vector<CCompareFilesChildFrame*> found;
        for (QMdiSubWindow* window : frame()->mdiArea()->subWindowList()) {
            if (auto* compare = qobject_cast<CCompareFilesChildFrame*>(window))
                found.push_back(compare);
        }
        return found;
    }
};

// Each file opens in its own window, in order; one that cannot be opened is
// reported and the files after it still open.
TEST_F(StartupOpenTest, EachFileOpensAndAFailureStopsNone) {
    orvel::test::WriteFileBytes(dir_.File("one.bin"), {1});
    orvel::test::WriteFileBytes(dir_.File("three.bin"), {3, 3, 3});
    const std::string missing = dir_.File("missing.bin");
    frame()->Open(
        {OpenRequest::Kind::kEachFile, {dir_.File("one.bin"), missing, dir_.File("three.bin")}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame()->children().size() == 2; }, 60000));
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(frame()->children()[0]->document()->data().size(), 1);
    EXPECT_EQ(frame()->children()[1]->document()->data().size(), 3);
    ASSERT_EQ(prompts().asked.size(), 1);
    EXPECT_TRUE(prompts().asked[0].startsWith("Failed to open the file because "))
        << prompts().asked[0].toStdString();
    EXPECT_TRUE(Comparisons().empty());
}

// --compare opens the comparison window the Compare command opens after its
// dialogs, without asking for the files.
TEST_F(StartupOpenTest, ACompareRequestOpensAComparisonOfTheTwoFiles) {
    orvel::test::WriteFileBytes(dir_.File("left.bin"), {1, 2});
    orvel::test::WriteFileBytes(dir_.File("right.bin"), {1, 3, 4});
    frame()->Open(
        {OpenRequest::Kind::kComparison, {dir_.File("left.bin"), dir_.File("right.bin")}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return Comparisons().size() == 1; }, 60000));
    const orvel::CompareDocument& data = Comparisons()[0]->document()->data();
    EXPECT_EQ(data.file(ComparedFile::kFirst).size(), 2);
    EXPECT_EQ(data.file(ComparedFile::kSecond).size(), 3);
    EXPECT_TRUE(prompts().asked.isEmpty()) << prompts().asked.join(" | ").toStdString();
    EXPECT_TRUE(frame()->children().empty());
}

// The comparison's own checks hold: the same file twice is refused with its
// message and nothing opens.
TEST_F(StartupOpenTest, ACompareRequestOfOneFileTwiceOpensNothing) {
    orvel::test::WriteFileBytes(dir_.File("same.bin"), {1});
    frame()->Open({OpenRequest::Kind::kComparison, {dir_.File("same.bin"), dir_.File("same.bin")}});
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(prompts().asked, QStringList{QString::fromUtf8(orvel::kSameFilesText)});
    EXPECT_TRUE(Comparisons().empty());
}

// Drops a list of files on `target` as the window system would.
void DropFiles(QWidget* target, const std::vector<std::string>& files) {
    QList<QUrl> urls;
    for (const std::string& file : files)
        urls << QUrl::fromLocalFile(QString::fromStdString(file));
    QMimeData mime;
    mime.setUrls(urls);
    // The application delivers a drop only to the widget that accepted the drag.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

// Two files dropped together on the main window or on a view open a
// comparison of them, the first dropped as File1.
TEST_F(StartupOpenTest, TwoDroppedFilesOpenAComparison) {
    orvel::test::WriteFileBytes(dir_.File("a.bin"), {1});
    orvel::test::WriteFileBytes(dir_.File("b.bin"), {2, 2});
    DropFiles(frame(), {dir_.File("a.bin"), dir_.File("b.bin")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return Comparisons().size() == 1; }, 60000));
    CCompareFilesChildFrame* comparison = Comparisons()[0];
    EXPECT_EQ(comparison->document()->path(ComparedFile::kFirst),
              QString::fromStdString(dir_.File("a.bin")));
    EXPECT_EQ(comparison->document()->data().file(ComparedFile::kSecond).size(), 2);
    EXPECT_TRUE(frame()->children().empty());
    // Dropped on one of its panes, two more files open a second comparison.
    orvel::test::WriteFileBytes(dir_.File("c.bin"), {3, 3, 3});
    DropFiles(comparison->view(ComparedFile::kFirst)->viewport(),
              {dir_.File("c.bin"), dir_.File("a.bin")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return Comparisons().size() == 2; }, 60000));
    EXPECT_TRUE(prompts().asked.isEmpty()) << prompts().asked.join(" | ").toStdString();
}

}  // namespace
