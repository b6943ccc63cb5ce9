#pragma once

#include <QMdiArea>
#include <QTest>
#include <string>
#include <vector>

#include "compare/barred_splitter_wnd.h"
#include "compare/compare_files_child_frame.h"
#include "compare/compare_files_doc.h"
#include "compare/compared_file_view.h"
#include "support/gui_fixture.h"

// Widget tests of comparison windows: opens windows through File Compare with
// scripted file dialogs, and closes every comparison window afterwards.
class CompareGuiTest : public GuiTest {
  protected:
    void TearDown() override {
        for (QMdiSubWindow* window : frame()->mdiArea()->subWindowList()) {
            if (auto* compare = qobject_cast<CCompareFilesChildFrame*>(window)) {
                orvel::CompareDocument& data = compare->document()->data();
                data.file(orvel::ComparedFile::kFirst).MarkSaved();
                data.file(orvel::ComparedFile::kSecond).MarkSaved();
                if (data.m_bComparing == 1)
                    prompts().AnswerNext(UserPrompts::Answer::kYes);
                if (data.m_bMarking == 1)
                    prompts().AnswerNext(UserPrompts::Answer::kYes);
                compare->close();
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        GuiTest::TearDown();
    }

    // Writes the two files and opens a comparison window of them.
    CCompareFilesChildFrame* Open(const std::vector<std::uint8_t>& bytes1,
                                  const std::vector<std::uint8_t>& bytes2) {
        path1_ = dir_.File("first.bin");
        path2_ = dir_.File("second.bin");
        orvel::test::WriteFileBytes(path1_, bytes1);
        orvel::test::WriteFileBytes(path2_, bytes2);
        prompts().ChooseFileNext(QString::fromStdString(path1_));
        prompts().ChooseFileNext(QString::fromStdString(path2_));
        frame()->RouteCommand(orvel::Cmd::FileCompare);
        EXPECT_TRUE(WaitJobs());
        prompts().asked.clear();
        return active();
    }

    [[nodiscard]] CCompareFilesChildFrame* active() const {
        return qobject_cast<CCompareFilesChildFrame*>(frame()->mdiArea()->activeSubWindow());
    }

    [[nodiscard]] static bool Enabled(orvel::CommandId cmd) {
        COrvelApp::instance()->mainFrame()->UpdateCommands();
        return COrvelApp::instance()->mainFrame()->action(cmd)->isEnabled();
    }

    // Waits until no compare worker owns the document.
    static bool WaitIdle(CCompareFilesChildFrame* window) {
        return QTest::qWaitFor([window] { return window->document()->data().m_bCompareIdle == 1; },
                               30000);
    }

    // Every odd byte set: against zeros, a difference at every other offset.
    static std::vector<std::uint8_t> OddBytesSet(std::size_t size) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 1; i < size; i += 2)
            bytes[i] = 1;
        return bytes;
    }

    // The colours of bytes [0, count) of a pane, one letter each: . for black,
    // R red, B blue, G green.
    static std::string Colours(ComparedFileView* view, orvel::Offset count) {
        std::string result;
        for (orvel::Offset i = 0; i < count; ++i) {
            switch (view->marks().ColorAt(i)) {
                case orvel::MarkColor::kBlack:
                    result += '.';
                    break;
                case orvel::MarkColor::kRed:
                    result += 'R';
                    break;
                case orvel::MarkColor::kBlue:
                    result += 'B';
                    break;
                case orvel::MarkColor::kGreen:
                    result += 'G';
                    break;
                default:
                    result += '?';
            }
        }
        return result;
    }

    std::string path1_;
    std::string path2_;
};
