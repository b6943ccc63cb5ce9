// The file dialogs list every file, also those whose names have no dot
// (firmware, core dumps), and give back the name the user chose.
#include "app/qt_user_prompts.h"
#include "support/compare_gui_fixture.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace Cmd = orvel::Cmd;
using orvel::CommandId;
using orvel::ComparedFile;
using orvel::test::ReadFileBytes;
using orvel::test::WriteFileBytes;

namespace {

const QString kAllFiles = QStringLiteral("All Files (*)");
const QString kAllComparedFiles = QStringLiteral("All files (*)");
const QString kTextFiles =
    QStringLiteral("Text Files (*.txt);;Document Files (*.doc);;All Files (*)");

class FileDialogsTest : public CompareGuiTest {
  protected:
    QString MakeFile(const std::string& name, const std::string& content) {
        const std::string path = dir_.File(name);
        WriteFileBytes(path, std::vector<std::uint8_t>(content.begin(), content.end()));
        return QString::fromStdString(path);
    }
    // The filter and default extension of each file dialog asked for so far.
    QStringList Asked() const {
        QStringList asked;
        for (const UserPrompts::FileDialog& dialog : prompts().fileDialogs)
            asked << dialog.filter + " / " + dialog.defaultSuffix;
        return asked;
    }
};

TEST_F(FileDialogsTest, OpenSaveAsImportAndExportOfferAllFiles) {
    const QString firmware = MakeFile("firmware",
                                      "\x7F"
                                      "ELF");
    prompts().ChooseFileNext(firmware);
    frame()->RouteCommand(Cmd::FileOpen);
    ASSERT_TRUE(WaitJobs());
    ASSERT_NE(frame()->activeChild(), nullptr);
    EXPECT_EQ(frame()->activeChild()->document()->path(), firmware);

    const QString copy = QString::fromStdString(dir_.File("copy"));
    prompts().ChooseFileNext(copy);
    frame()->RouteCommand(Cmd::FileSaveAs);
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(ReadFileBytes(copy.toStdString()), ReadFileBytes(firmware.toStdString()));

    const QString values = MakeFile("values", "4D 5A");
    prompts().ChooseFileNext(values);
    frame()->RouteCommand(Cmd::FileImportHexText);
    ASSERT_EQ(frame()->activeChild()->document()->data().size(), 2);

    const QString dump = QString::fromStdString(dir_.File("dump"));
    prompts().ChooseFileNext(dump);
    frame()->RouteCommand(Cmd::FileExportHexText);
    ASSERT_TRUE(WaitJobs());
    EXPECT_FALSE(ReadFileBytes(dump.toStdString()).empty());

    EXPECT_EQ(Asked(), (QStringList{kAllFiles + " / ", kAllFiles + " / ", kTextFiles + " / txt",
                                    kTextFiles + " / txt"}));
}

TEST_F(FileDialogsTest, CompareAndSaveFileAsOfferAllFiles) {
    const QString core = MakeFile("core", "\x01\x02");
    const QString firmware = MakeFile("firmware", "\x01\x03");
    prompts().ChooseFileNext(core);
    prompts().ChooseFileNext(firmware);
    frame()->RouteCommand(Cmd::FileCompare);
    ASSERT_TRUE(WaitJobs());
    CCompareFilesChildFrame* window = active();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->document()->path(ComparedFile::kFirst), core);
    EXPECT_EQ(window->document()->path(ComparedFile::kSecond), firmware);

    const QString copy1 = QString::fromStdString(dir_.File("copy1"));
    const QString copy2 = QString::fromStdString(dir_.File("copy2"));
    prompts().ChooseFileNext(copy1);
    frame()->RouteCommand(Cmd::FileSaveFile1As);
    ASSERT_TRUE(WaitJobs());
    prompts().ChooseFileNext(copy2);
    frame()->RouteCommand(Cmd::FileSaveFile2As);
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(ReadFileBytes(copy1.toStdString()), ReadFileBytes(core.toStdString()));
    EXPECT_EQ(ReadFileBytes(copy2.toStdString()), ReadFileBytes(firmware.toStdString()));

    EXPECT_EQ(prompts().asked,
              (QStringList{"Select first file for comparison", "Select second file for comparison",
                           "Save File1 As", "Save File2 As"}));
    EXPECT_EQ(Asked(), QStringList(4, kAllComparedFiles + " / "));
}

// The real dialog of Import, typed into as a user does: the default extension
// belongs to the text filter; with all files chosen a name is taken as typed.
TEST_F(FileDialogsTest, ImportDialogAddsTxtOnlyWhileTextFilesAreChosen) {
    prompts().ChooseFileNext(QString());
    frame()->RouteCommand(Cmd::FileImportHexText);
    ASSERT_EQ(prompts().fileDialogs.size(), 1);
    const UserPrompts::FileDialog importDialog = prompts().fileDialogs.front();

    MakeFile("notes.txt", "00");
    MakeFile("firmware", "00");
    struct Case {
        bool allFiles;
        QString typed;
        QString chosen;
    };
    const Case cases[] = {
        {false, "notes", "notes.txt"},
        {true, "firmware", "firmware"},
        {true, "notes.txt", "notes.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            dialog->setDirectory(QString::fromStdString(dir_.path().string()));
            if (c.allFiles)
                QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_End);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QTest::keyClicks(name, c.typed);
            // A refused name: the dialog says so and stays open; the check below fails.
            QTimer::singleShot(0, dialog, [] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    box->reject();
            });
            QTest::keyClick(name, Qt::Key_Return);
            if (dialog->isVisible())
                dialog->reject();
        });
        QtUserPrompts real;
        EXPECT_EQ(real.OpenFileName(frame(), importDialog),
                  QString::fromStdString(dir_.File(c.chosen.toStdString())));
    }
}

}  // namespace
