// The file commands of the windows with files that are not plain files, and
// with files another program changes while they are open.
#include <fcntl.h>
#include <sys/stat.h>

#include <QMdiArea>
#include <filesystem>

#include "compare/compare_files_child_frame.h"
#include "compare/compare_files_doc.h"
#include "document/file_stamp.h"
#include "support/gui_fixture.h"
#include "support/special_files.h"

namespace Cmd = orvel::Cmd;
using orvel::CommandId;
using orvel::ComparedFile;
using orvel::test::ReadFileBytes;
using orvel::test::WriteFileBytes;
using Bytes = std::vector<std::uint8_t>;

namespace {

class FileCommandsTest : public GuiTest {
  protected:
    QString File(const std::string& name) const { return QString::fromStdString(dir_.File(name)); }

    // Gives the file a modification time one second later, as another
    // program's write would, whatever the clock's resolution.
    void ChangeBehindTheBack(const std::string& name, const Bytes& bytes) {
        const std::string path = dir_.File(name);
        struct stat st {};
        ASSERT_EQ(stat(path.c_str(), &st), 0);
        WriteFileBytes(path, bytes);
        timespec times[2] = {st.st_atim, st.st_mtim};
        ++times[1].tv_sec;
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    }

    static QString ChangedQuestion(const QString& path) {
        return QString::fromStdString(orvel::OverwriteChangedFileQuestion(path.toStdString()));
    }
};

// Opening a FIFO, a socket or a folder is refused at once with the reason,
// and no window opens.
TEST_F(FileCommandsTest, OpenRefusesFilesThatAreNotRegularFiles) {
    ASSERT_TRUE(orvel::test::MakeFifo(dir_.File("fifo")));
    ASSERT_TRUE(orvel::test::MakeSocket(dir_.File("socket")));
    const std::pair<QString, QString> rows[] = {
        {File("fifo"), "a named pipe (FIFO)"},
        {File("socket"), "a socket"},
        {QString::fromStdString(dir_.path().string()), "a directory"},
    };
    for (const auto& [path, kind] : rows) {
        prompts().Reset();
        EXPECT_EQ(OpenFile(path), nullptr);
        EXPECT_EQ(prompts().asked, QStringList({"Failed to open the file because The file is " +
                                                kind + ", not a regular file."}));
    }
    EXPECT_TRUE(frame()->children().empty());
}

// One window per file, whether it is opened through a symbolic link, a hard
// link or its own name.
TEST_F(FileCommandsTest, TheSameFileThroughALinkActivatesItsWindow) {
    WriteFileBytes(dir_.File("real"), {1, 2, 3});
    std::filesystem::create_symlink(dir_.File("real"), dir_.File("soft"));
    std::filesystem::create_hard_link(dir_.File("real"), dir_.File("hard"));
    CChildFrame* child = OpenFile(File("soft"));
    ASSERT_NE(child, nullptr);
    frame()->NewDocument();
    EXPECT_EQ(OpenFile(File("real")), child);
    EXPECT_EQ(frame()->activeChild(), child);
    EXPECT_EQ(OpenFile(File("hard")), child);
    EXPECT_EQ(frame()->children().size(), 2u);
}

// Save asks before it overwrites a file another program changed; No keeps
// both the document (still modified) and the file, Yes overwrites. Save As
// to another name does not ask.
TEST_F(FileCommandsTest, SaveAsksBeforeOverwritingAFileChangedOnDisk) {
    WriteFileBytes(dir_.File("data"), {1, 2, 3});
    CChildFrame* child = OpenFile(File("data"));
    ASSERT_NE(child, nullptr);
    COrvelDoc* doc = child->document();
    doc->data().SetByte(0, 0xAA);
    ChangeBehindTheBack("data", {7, 7, 7});
    const QString question = ChangedQuestion(doc->path());

    prompts().AnswerNext(UserPrompts::Answer::kNo);
    frame()->RouteCommand(Cmd::FileSave);
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(prompts().asked, QStringList({question}));
    EXPECT_EQ(ReadFileBytes(dir_.File("data")), (Bytes{7, 7, 7}));
    EXPECT_TRUE(doc->IsModified());

    prompts().Reset();
    prompts().AnswerNext(UserPrompts::Answer::kYes);
    frame()->RouteCommand(Cmd::FileSave);
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(prompts().asked, QStringList({question}));
    EXPECT_EQ(ReadFileBytes(dir_.File("data")), (Bytes{0xAA, 2, 3}));
    EXPECT_FALSE(doc->IsModified());

    // Its own saves are no change by another program.
    prompts().Reset();
    doc->data().SetByte(1, 0xBB);
    frame()->RouteCommand(Cmd::FileSave);
    ASSERT_TRUE(WaitJobs());
    EXPECT_TRUE(prompts().asked.isEmpty());
    EXPECT_EQ(ReadFileBytes(dir_.File("data")), (Bytes{0xAA, 0xBB, 3}));

    doc->data().SetByte(2, 0xCC);
    ChangeBehindTheBack("data", {8});
    prompts().ChooseFileNext(File("copy"));
    frame()->RouteCommand(Cmd::FileSaveAs);
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(prompts().asked, QStringList({"Save As"}));
    EXPECT_EQ(ReadFileBytes(dir_.File("copy")), (Bytes{0xAA, 0xBB, 0xCC}));
    EXPECT_EQ(ReadFileBytes(dir_.File("data")), (Bytes{8}));
    EXPECT_EQ(doc->path(), File("copy"));
}

// Save As, Save and Export never put a file in the place of a FIFO; the
// document stays modified.
TEST_F(FileCommandsTest, SaveAsAndExportRefuseAFifo) {
    ASSERT_TRUE(orvel::test::MakeFifo(dir_.File("fifo")));
    CChildFrame* child = frame()->NewDocument();
    ASSERT_NE(child, nullptr);
    const QString cause = "\nCause: The file is a named pipe (FIFO), not a regular file.";
    prompts().ChooseFileNext(File("fifo"));
    frame()->RouteCommand(Cmd::FileSaveAs);
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(prompts().asked,
              QStringList({"Save As", "Failed to save the file " + File("fifo") + cause}));
    EXPECT_TRUE(child->document()->IsModified());
    prompts().Reset();
    prompts().ChooseFileNext(File("fifo"));
    frame()->RouteCommand(Cmd::FileExportHexText);
    ASSERT_TRUE(WaitJobs());
    ASSERT_EQ(prompts().asked.size(), 2);
    EXPECT_EQ(prompts().asked[1],
              "Failed to save the hex display into the export file " + File("fifo") + cause);
    EXPECT_TRUE(std::filesystem::is_fifo(dir_.File("fifo")));
}

// The import reads regular files only, so an endless device (here an empty
// one, which an unchecked import would take) opens no window.
TEST_F(FileCommandsTest, ImportRefusesDevices) {
    std::filesystem::create_symlink("/dev/null", dir_.File("values.txt"));
    prompts().ChooseFileNext(File("values.txt"));
    frame()->RouteCommand(Cmd::FileImportHexText);
    ASSERT_EQ(prompts().asked.size(), 2);
    EXPECT_EQ(prompts().asked[1], "Failed to open file " + File("values.txt") +
                                      "\nCause: The file is a character device, not a regular "
                                      "file.");
    EXPECT_TRUE(frame()->children().empty());
}

// A comparison refuses a FIFO with the reason, and Save File1 asks before it
// overwrites a first file another program changed.
TEST_F(FileCommandsTest, ComparisonRefusesAFifoAndAsksBeforeOverwritingAChangedFile) {
    ASSERT_TRUE(orvel::test::MakeFifo(dir_.File("fifo")));
    WriteFileBytes(dir_.File("one"), {1, 2});
    WriteFileBytes(dir_.File("two"), {1, 3});
    prompts().ChooseFileNext(File("fifo"));
    prompts().ChooseFileNext(File("two"));
    EXPECT_EQ(CompareFiles(), nullptr);
    ASSERT_EQ(prompts().asked.size(), 3);
    EXPECT_EQ(prompts().asked[2], "Failed to open first file " + File("fifo") +
                                      "\nCause: The file is a named pipe (FIFO), not a regular "
                                      "file.");

    prompts().Reset();
    prompts().ChooseFileNext(File("one"));
    prompts().ChooseFileNext(File("two"));
    CCompareFilesChildFrame* window = CompareFiles();
    ASSERT_NE(window, nullptr);
    orvel::CompareDocument& data = window->document()->data();
    data.file(ComparedFile::kFirst).SetByte(0, 0xEE);
    ChangeBehindTheBack("one", {5, 5, 5});
    prompts().Reset();
    prompts().AnswerNext(UserPrompts::Answer::kNo);
    frame()->RouteCommand(Cmd::FileSaveFile1);
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(prompts().asked, QStringList({ChangedQuestion(File("one"))}));
    EXPECT_EQ(ReadFileBytes(dir_.File("one")), (Bytes{5, 5, 5}));
    EXPECT_TRUE(data.dataModified(ComparedFile::kFirst));
    prompts().Reset();
    prompts().AnswerNext(UserPrompts::Answer::kYes);
    frame()->RouteCommand(Cmd::FileSaveFile1);
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(ReadFileBytes(dir_.File("one")), (Bytes{0xEE, 2}));
    EXPECT_FALSE(data.dataModified(ComparedFile::kFirst));
    data.file(ComparedFile::kSecond).MarkSaved();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
