#include "marking/mark_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QTest>

#include "marking/mark_blocks_dlg.h"
#include "marking/mark_bytes_dlg.h"
#include "marking/mark_patterns_dlg.h"
#include "marking/mark_units_dlg.h"
#include "support/gui_fixture.h"
#include "support/modal_dialog.h"
#include "support/unit_runs.h"
#include "support/view_image.h"
#include "view/color_combo_box.h"

namespace Cmd = orvel::Cmd;
using orvel::CommandId;
using orvel::MarkColor;
using orvel::Offset;

namespace {

const QString kGuardQuestion = QStringLiteral(
    "You are still in the marking process, do you want to stop marking and close the window?");
constexpr CommandId kMarkCmds[] = {Cmd::MarkBytes, Cmd::MarkBlocks, Cmd::MarkPatterns,
                                   Cmd::MarkUnits};

class MarkCommandsTest : public GuiTest {
  protected:
    orvel::CommandState StateOf(CommandId cmd) {
        frame()->UpdateCommands();
        const QAction* action = frame()->action(cmd);
        return {action->isEnabled(), action->isCheckable() && action->isChecked(), {}};
    }

    void Activate(CChildFrame* child) { frame()->mdiArea()->setActiveSubWindow(child); }

    CChildFrame* HugeWindow() { return HugeMarkingWindow(frame()); }

    CChildFrame* SmallWindow(std::vector<std::uint8_t> bytes) {
        CChildFrame* child = frame()->NewDocument();
        child->document()->data().AssignBytes(
            orvel::ByteBuffer(bytes.data(), static_cast<Offset>(bytes.size())), false);
        return child;
    }

    void StartUnitsRun(CChildFrame* child) {
        Activate(child);
        StartUnitsRunInActiveWindow(frame());
    }

    static bool IsIdle(const CChildFrame* child) { return MarkingIdle(child); }
    static bool WaitIdle(const CChildFrame* child) { return WaitMarkingIdle(child); }
    static bool WaitPainting(const CChildFrame* child) { return WaitMarkingPaints(child); }
};

TEST_F(MarkCommandsTest, CancelInTheDialogReturnsToIdle) {
    CChildFrame* child = SmallWindow({1, 2, 3, 4});
    OnModalDialog<CMarkUnitsDlg>([&](CMarkUnitsDlg& dialog) {
        // While the dialog is open the document is already Running.
        EXPECT_EQ(child->document()->data().m_bMarking, 1);
        EXPECT_EQ(child->document()->data().m_nMarkKind, MarkCommands::kUnits);
        dialog.edit(orvel::kUnitsSize)->setText("3");
        dialog.reject();
    });
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkUnits));
    EXPECT_TRUE(IsIdle(child));
    for (const CommandId cmd : kMarkCmds) {
        EXPECT_TRUE(StateOf(cmd).enabled);
        EXPECT_FALSE(StateOf(cmd).checked);
    }
    // Cancel keeps the remembered unit size: the next dialog opens with 2 again.
    OnModalDialog<CMarkUnitsDlg>([](CMarkUnitsDlg& dialog) {
        EXPECT_EQ(dialog.edit(orvel::kUnitsSize)->text(), "2");
        dialog.reject();
    });
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkUnits));
}

TEST_F(MarkCommandsTest, ARunOwnsTheWindowUntilChosenAgainThenStops) {
    CChildFrame* child = HugeWindow();
    COrvelView* view = child->view();
    StartUnitsRun(child);
    ASSERT_EQ(child->document()->data().m_bMarking, 1);
    EXPECT_TRUE(StateOf(Cmd::MarkUnits).enabled);
    EXPECT_TRUE(StateOf(Cmd::MarkUnits).checked);
    for (const CommandId cmd : {Cmd::MarkBytes, Cmd::MarkBlocks, Cmd::MarkPatterns, Cmd::MarkClear,
                                Cmd::EditFind, Cmd::FileSave, Cmd::FileOpen, Cmd::FilePrint})
        EXPECT_FALSE(StateOf(cmd).enabled) << cmd.name;
    ASSERT_TRUE(WaitPainting(child));
    EXPECT_EQ(view->marks().ColorAt(0), MarkColor::kRed);
    EXPECT_EQ(view->marks().ColorAt(1), MarkColor::kBlue);

    // Typing stays possible during the run (Mark Units reads no bytes).
    view->SetCaret(view->layout().ByteToHexPos(0).high);
    Type(view, "7");
    EXPECT_EQ(child->document()->data().at(0), 0x70);

    // Choosing the command again asks the worker to stop: Stopping until it ends.
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkUnits));
    EXPECT_EQ(child->document()->data().m_bMarking, 0);
    EXPECT_EQ(child->document()->data().m_bMarkIdle, 0);
    for (const CommandId cmd : kMarkCmds)
        EXPECT_FALSE(StateOf(cmd).enabled);
    ASSERT_TRUE(WaitIdle(child));
    const Offset painted = view->marks().pagesInUse();
    EXPECT_GT(painted, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->marks().pagesInUse(), painted);  // nothing painted after the end
    EXPECT_EQ(view->marks().ColorAt(0), MarkColor::kRed);
    for (const CommandId cmd : kMarkCmds) {
        EXPECT_TRUE(StateOf(cmd).enabled);
        EXPECT_FALSE(StateOf(cmd).checked);
    }
    EXPECT_TRUE(StateOf(Cmd::MarkClear).enabled);
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkClear));
    EXPECT_TRUE(view->marks().empty());
}

TEST_F(MarkCommandsTest, CloseGuardNoKeepsPaintingYesEndsTheRunThenAsksToSave) {
    CChildFrame* child = HugeWindow();
    child->document()->data().SetByte(5, 0x33);  // the bytes changed before the run
    StartUnitsRun(child);
    ASSERT_TRUE(WaitPainting(child));

    prompts().AnswerNext(UserPrompts::Answer::kNo);
    EXPECT_FALSE(child->close());
    ASSERT_EQ(prompts().asked, QStringList{kGuardQuestion});
    EXPECT_EQ(prompts().icons.value(0), UserPrompts::Icon::kStop);
    EXPECT_EQ(child->document()->data().m_bMarking, 1);
    ASSERT_TRUE(WaitPainting(child));  // the run goes on

    prompts().AnswerNext(UserPrompts::Answer::kYes);
    prompts().AnswerNext(UserPrompts::Answer::kNo);  // do not save
    const QString title = child->document()->title();
    EXPECT_TRUE(child->close());
    EXPECT_EQ(prompts().asked,
              (QStringList{kGuardQuestion, kGuardQuestion, "Save changes to " + title + "?"}));
    EXPECT_TRUE(IsIdle(child));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame()->children().empty());
}

// A window can close while its worker waits for the GUI thread: the worker is
// released and joined, and nothing it had handed over runs afterwards.
TEST_F(MarkCommandsTest, ClosingWhileTheWorkerWaitsNeverDeadlocks) {
    for (int round = 0; round < 3; ++round) {
        CChildFrame* child = HugeWindow();
        StartUnitsRun(child);
        prompts().AnswerNext(UserPrompts::Answer::kYes);
        EXPECT_TRUE(child->close());
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(frame()->children().empty());
}

// In the Stopping state the close guard asks nothing and ends the worker.
TEST_F(MarkCommandsTest, ClosingWhileStoppingAsksNothing) {
    CChildFrame* child = HugeWindow();
    StartUnitsRun(child);
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkUnits));
    ASSERT_EQ(child->document()->data().m_bMarkIdle, 0);
    EXPECT_TRUE(child->close());
    EXPECT_TRUE(prompts().asked.isEmpty());
    EXPECT_TRUE(IsIdle(child));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(MarkCommandsTest, TwoWindowsMarkAtTheSameTimeEachByItsOwnState) {
    CChildFrame* first = HugeWindow();
    CChildFrame* second = HugeWindow();
    StartUnitsRun(first);
    StartUnitsRun(second);
    ASSERT_TRUE(WaitPainting(first));
    ASSERT_TRUE(WaitPainting(second));
    Activate(first);
    EXPECT_TRUE(StateOf(Cmd::MarkUnits).checked);
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkUnits));  // stops the first run only
    ASSERT_TRUE(WaitIdle(first));
    EXPECT_EQ(second->document()->data().m_bMarking, 1);
    EXPECT_TRUE(StateOf(Cmd::MarkBytes).enabled);
    Activate(second);
    EXPECT_TRUE(StateOf(Cmd::MarkUnits).checked);
    EXPECT_FALSE(StateOf(Cmd::MarkBytes).enabled);
    ASSERT_TRUE(WaitPainting(second));
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkUnits));
    ASSERT_TRUE(WaitIdle(second));
}

// Slot 2 paints after slot 1, so 41 42 41 42 ends up all blue; the colours
// never make the document count as changed.
TEST_F(MarkCommandsTest, MarkBytesPaintsEveryValueInSlotOrder) {
    CChildFrame* child = SmallWindow({0x41, 0x42, 0x41, 0x42, 0x43});
    child->view()->marks().Paint(4, 4, MarkColor::kGreen);
    OnModalDialog<CMarkBytesDlg>([](CMarkBytesDlg& dialog) {
        EXPECT_EQ(dialog.edit(orvel::kBytesStart)->text(), "0");
        EXPECT_EQ(dialog.edit(orvel::kBytesEnd)->text(), "4");
        dialog.edit(orvel::kBytesEnd)->setText("3");
        dialog.edit(orvel::kBytesValue1)->setText("41");
        dialog.color(0)->SelectName("Red");
        dialog.edit(orvel::kBytesValue1 + 1)->setText(" 4142 ");
        dialog.color(1)->SelectName("Blue");
        dialog.accept();
    });
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkBytes));
    ASSERT_TRUE(WaitIdle(child));
    for (Offset i = 0; i < 4; ++i)
        EXPECT_EQ(child->view()->marks().ColorAt(i), MarkColor::kBlue) << i;
    EXPECT_EQ(child->view()->marks().ColorAt(4), MarkColor::kGreen);  // outside the block
    EXPECT_FALSE(child->document()->IsModified());
    // The next dialog opens with the remembered (trimmed) values and colours.
    OnModalDialog<CMarkBytesDlg>([](CMarkBytesDlg& dialog) {
        EXPECT_EQ(dialog.edit(orvel::kBytesValue1 + 1)->text(), "4142");
        EXPECT_EQ(dialog.color(1)->currentText(), "Blue");
        EXPECT_EQ(dialog.color(2)->currentText(), "Black");
        dialog.reject();
    });
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkBytes));
}

TEST_F(MarkCommandsTest, MarkBlocksClearsTheFileAndPaintsGivenBlocksInEitherOrder) {
    CChildFrame* child = SmallWindow(std::vector<std::uint8_t>(0x40, 0));
    child->view()->marks().Paint(0x30, 0x31, MarkColor::kGreen);
    OnModalDialog<CMarkBlocksDlg>([](CMarkBlocksDlg& dialog) {
        EXPECT_TRUE(dialog.clearBox()->isChecked());
        dialog.edit(0)->setText("20");
        dialog.edit(1)->setText("10");
        dialog.color(0)->SelectName("Red");
        dialog.edit(2)->setText("5");  // block 2 without an end is skipped
        dialog.color(1)->SelectName("Cyan");
        dialog.accept();
    });
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkBlocks));
    ASSERT_TRUE(WaitIdle(child));
    const orvel::MarkStore& marks = child->view()->marks();
    EXPECT_EQ(marks.ColorAt(0x0F), MarkColor::kBlack);
    EXPECT_EQ(marks.ColorAt(0x10), MarkColor::kRed);
    EXPECT_EQ(marks.ColorAt(0x20), MarkColor::kRed);
    EXPECT_EQ(marks.ColorAt(0x21), MarkColor::kBlack);
    EXPECT_EQ(marks.ColorAt(0x05), MarkColor::kBlack);
    EXPECT_EQ(marks.ColorAt(0x30), MarkColor::kBlack);  // the whole file was cleared
    OnModalDialog<CMarkBlocksDlg>([](CMarkBlocksDlg& dialog) {
        EXPECT_EQ(dialog.edit(2)->text(), "5");
        EXPECT_EQ(dialog.edit(3)->text(), "");
        EXPECT_EQ(dialog.color(1)->currentText(), "Black");  // skipped: colour not stored
        dialog.reject();
    });
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkBlocks));
}

// The selected bytes preset the block; Type1 paints header, body and tail.
TEST_F(MarkCommandsTest, MarkPatternsPaintsTheSelectedBlock) {
    CChildFrame* child = SmallWindow({0x4D, 0x4D, 0x00, 0x00, 0x5A, 0x4D, 0x00, 0x5A});
    COrvelView* view = child->view();
    view->SetSelection({view->layout().ByteToHexPos(1).high, view->layout().ByteToHexPos(4).low});
    OnModalDialog<CMarkPatternsDlg>([](CMarkPatternsDlg& dialog) {
        EXPECT_EQ(dialog.edit(orvel::kPatternsStart)->text(), "1");
        EXPECT_EQ(dialog.edit(orvel::kPatternsEnd)->text(), "4");
        dialog.edit(orvel::kPatternsHeader)->setText("4D");
        dialog.edit(orvel::kPatternsTail)->setText("5A");
        dialog.color(0)->SelectName("Red");
        dialog.color(1)->SelectName("Green");
        dialog.color(2)->SelectName("Blue");
        dialog.accept();
    });
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkPatterns));
    ASSERT_TRUE(WaitIdle(child));
    const MarkColor expected[] = {MarkColor::kBlack, MarkColor::kRed,  MarkColor::kGreen,
                                  MarkColor::kGreen, MarkColor::kBlue, MarkColor::kBlack,
                                  MarkColor::kBlack, MarkColor::kBlack};
    for (Offset i = 0; i < 8; ++i)
        EXPECT_EQ(view->marks().ColorAt(i), expected[i]) << i;
}

// One request carries the runs of all four values in value order, not in
// offset order; every line it colours is repainted at once.
TEST_F(MarkCommandsTest, MarkBytesRepaintsEveryLineItColours) {
    std::vector<std::uint8_t> bytes(0x1000, 0);
    bytes[0x5] = bytes[0x1F0] = 0xA1;
    bytes[0x10] = 0xB2;
    CChildFrame* child = SmallWindow(bytes);
    COrvelView* view = child->view();
    const Offset far = view->layout().ByteToHexPos(0x1F0).high;
    view->SetCaret(far);  // scrolls byte 0x1F0 into view
    view->SetCaret(view->layout().ByteToHexPos(0x1C0).high);
    const QColor base = view->palette().base().color();
    const auto shows = [&](QColor colour) {
        return orvel::test::ShowsColour(orvel::test::ShownImage(view->viewport()),
                                        orvel::test::CellRect(view, far, 2), base, colour);
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return shows(Qt::black); }, kWaitMs));
    const Offset top = view->topLine();
    OnModalDialog<CMarkBytesDlg>([](CMarkBytesDlg& dialog) {
        dialog.clearBox()->setChecked(false);
        dialog.edit(orvel::kBytesValue1)->setText("A1");
        dialog.color(0)->SelectName("Red");
        dialog.edit(orvel::kBytesValue1 + 1)->setText("B2");
        dialog.color(1)->SelectName("Blue");
        dialog.accept();
    });
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkBytes));
    ASSERT_TRUE(WaitIdle(child));
    ASSERT_EQ(view->marks().ColorAt(0x1F0), MarkColor::kRed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shows(Qt::red); }, 5000));
    EXPECT_EQ(view->topLine(), top);
}

// Marks that cannot get memory (here: a limit of none for per-byte pages)
// stop the run with a message, while painting or while clearing the old marks;
// the bytes, the modified state and the other windows stay as they were.
TEST_F(MarkCommandsTest, RunningOutOfMemoryStopsTheRunWithAMessage) {
    CChildFrame* other = SmallWindow({1, 2, 3});
    other->document()->data().SetByte(0, 9);
    CChildFrame* child = SmallWindow(std::vector<std::uint8_t>(64, 0x41));
    child->document()->data().SetByte(3, 0x42);
    COrvelView* view = child->view();
    view->marks().setMemoryLimit(0);
    const QStringList told{QString::fromUtf8(orvel::kMarkingOutOfMemoryText)};
    StartUnitsRun(child);  // units of one byte need a per-byte page
    ASSERT_TRUE(WaitIdle(child));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts().asked.isEmpty(); }, kWaitMs));
    EXPECT_EQ(prompts().asked, told);
    EXPECT_TRUE(view->marks().empty());

    // A page in one colour that the clear box cuts in two needs a per-byte page too.
    view->marks().Paint(0, 4095, MarkColor::kGreen);
    prompts().Reset();
    StartUnitsRun(child);
    ASSERT_TRUE(WaitIdle(child));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts().asked.isEmpty(); }, kWaitMs));
    EXPECT_EQ(prompts().asked, told);
    EXPECT_EQ(view->marks().ColorAt(0), MarkColor::kGreen);

    const orvel::BinaryDocument& data = child->document()->data();
    EXPECT_EQ(data.size(), 64);
    EXPECT_EQ(data.at(3), 0x42);
    EXPECT_TRUE(child->document()->IsModified());
    ASSERT_EQ(frame()->children().size(), 2u);
    EXPECT_EQ(other->document()->data().at(0), 9);
    EXPECT_TRUE(other->document()->IsModified());
    EXPECT_TRUE(StateOf(Cmd::MarkUnits).enabled);
}

}  // namespace
