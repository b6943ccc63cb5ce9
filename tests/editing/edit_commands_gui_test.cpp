#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include "document/edit_outcome.h"
#include "editing/clipboard_transfer.h"
#include "support/edit_fixture.h"

namespace Cmd = orvel::Cmd;
using orvel::CommandId;
using orvel::MarkColor;
using orvel::Offset;
using orvel::TextSelection;

namespace {

using EditCommandsTest = EditTest;

// The selection a command starts from: a caret on byte 5, byte 5 selected, or
// bytes 10 to 1F selected.
enum class Start { kCaret, kOneByte, kSixteen };

void Select(COrvelView* view, Start start) {
    const orvel::DumpLayout layout = view->layout();
    switch (start) {
        case Start::kCaret:
            return view->SetCaret(layout.ByteToHexPos(5).high);
        case Start::kOneByte:
            return view->SetSelection(
                {layout.ByteToHexPos(5).high, layout.ByteToHexPos(5).low + 1});
        case Start::kSixteen:
            return view->SetSelection(
                {layout.ByteToHexPos(0x10).high, layout.ByteToHexPos(0x1F).low + 1});
    }
}

TEST_F(EditCommandsTest, DialogsOpenWithThePresetsOfTheSelection) {
    struct Case {
        CommandId cmd;
        Start start;
        QStringList texts;
    };
    const Case cases[] = {
        {Cmd::EditCopyBytes, Start::kCaret, {"5", "5"}},
        {Cmd::EditCopyBytes, Start::kOneByte, {"5", "5"}},
        {Cmd::EditCopyBytes, Start::kSixteen, {"10", "1F"}},
        {Cmd::EditReverseSeq, Start::kSixteen, {"10", "1F"}},
        {Cmd::EditSelectBytes, Start::kCaret, {"0", "3F"}},
        {Cmd::EditSelectBytes, Start::kOneByte, {"0", "3F"}},
        {Cmd::EditSelectBytes, Start::kSixteen, {"10", "1F"}},
        {Cmd::EditReplaceBytes, Start::kOneByte, {"00", "00", "0", "3F"}},
        {Cmd::EditReplaceBytes, Start::kSixteen, {"00", "00", "10", "1F"}},
        {Cmd::EditPasteBytes, Start::kCaret, {"5"}},
        {Cmd::EditPasteBytes, Start::kSixteen, {"10"}},
        {Cmd::EditInsertBytes, Start::kOneByte, {"5", "0", "00"}},
        {Cmd::EditGoTo, Start::kSixteen, {"0"}},
        {Cmd::OpBitwiseMask, Start::kOneByte, {"FF", "0", "3F"}},
        {Cmd::OpBitwiseShift, Start::kSixteen, {"0", "10", "1F"}},
        {Cmd::OpOnesComplement, Start::kCaret, {"0", "3F"}},
    };
    COrvelView* view = Open(Counting(0x40));
    ASSERT_NE(view, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cmd.name);
        Select(view, c.start);
        QStringList shown;
        QString sizeLine;
        OnDialog([&](AddressDialog* dialog) {
            for (int i = 0; i < dialog->fieldCount(); ++i)
                shown << dialog->field(i)->text();
            sizeLine = dialog->fileSizeText();
        });
        EXPECT_TRUE(frame()->RouteCommand(c.cmd));
        EXPECT_EQ(shown, c.texts);
        EXPECT_EQ(sizeLine, c.cmd == Cmd::OpBitwiseShift
                                ? "File Size: 0X 40 Bytes (In Hex) or 64 Bytes (In Decimal)"
                                : "File Size: 0x 40 Bytes (In Hex) or 64 Bytes (In Decimal)");
    }
    EXPECT_EQ(Bytes(view), Counting(0x40));  // every dialog was cancelled
    EXPECT_FALSE(view->data().dataModified());
}

TEST_F(EditCommandsTest, NoSelectionLeavesTheAddressesEmpty) {
    COrvelView* view = Open(Counting(0x20));
    ASSERT_NE(view, nullptr);
    view->SetCaret(3);  // in the header
    QStringList shown;
    OnDialog([&](AddressDialog* dialog) {
        shown << dialog->field(0)->text() << dialog->field(1)->text();
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
    });
    EXPECT_TRUE(frame()->RouteCommand(Cmd::EditCopyBytes));
    EXPECT_EQ(shown, (QStringList{"", ""}));
    EXPECT_EQ(prompts().asked, QStringList{"Please fill the Start Address field!"});
}

// A faulty field: its message, the dialog stays open with the field focused and
// its whole text selected; the corrected field then runs the command.
TEST_F(EditCommandsTest, AFaultyFieldKeepsTheDialogOpenAndSelected) {
    struct Case {
        CommandId cmd;
        QStringList texts;
        int faulty;
        QString message;
    };
    const Case cases[] = {
        {Cmd::EditSelectBytes,
         {"2", "40"},
         1,
         "The value in the End Address field can not be the same or larger than the value of "
         "the file size!"},
        {Cmd::EditGoTo, {"3G"}, 0, "Address field contains invalid characters!"},
        {Cmd::OpBitwiseMask, {"G1", "0", "3F"}, 0, "Mask Value field contains invalid characters!"},
        {Cmd::OpBitwiseShift,
         {"1", "FFFFFFFF", "3"},
         1,
         "The value in the Start Address field can not be the same or larger than the value of "
         "file size!"},
        {Cmd::EditReplaceBytes,
         {"00", "", "40", "3"},
         2,
         "The value in the Start Address field can not be the same or larger than the value of "
         "the file size!"},
        {Cmd::EditInsertBytes,
         {"41", "", "zz"},
         0,
         "The value in the Start Address field can not be larger than the value of the file "
         "size!"},
        {Cmd::EditInsertBytes,
         {"40", "", "zz"},
         2,
         "Default Byte Value (Hex) field contains invalid characters!"},
        {Cmd::EditInsertBytes, {"40", "", "7"}, 1, "Please fill the Number of Bytes (Dec) field!"},
    };
    COrvelView* view = Open(Counting(0x40));
    ASSERT_NE(view, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        prompts().Reset();
        bool stayedOpen = false;
        QWidget* focused = nullptr;
        QString selected;
        OnDialog([&](AddressDialog* dialog) {
            for (int i = 0; i < dialog->fieldCount(); ++i)
                dialog->field(i)->setText(c.texts[i]);
            dialog->accept();
            stayedOpen = dialog->isVisible();
            focused = dialog->focusWidget();
            selected = dialog->field(c.faulty)->selectedText();
            EXPECT_EQ(focused, dialog->field(c.faulty));
        });
        EXPECT_TRUE(frame()->RouteCommand(c.cmd));
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(selected, c.texts[c.faulty]);
        EXPECT_EQ(prompts().asked, QStringList{c.message});
    }
    EXPECT_EQ(Bytes(view), Counting(0x40));
    EXPECT_FALSE(view->data().dataModified());
}

TEST_F(EditCommandsTest, SelectAndGoToMoveOnlyTheSelection) {
    COrvelView* view = Open(Counting(0x40));
    ASSERT_NE(view, nullptr);
    const orvel::DumpLayout layout = view->layout();
    RunWith(Cmd::EditSelectBytes, {"5", "2"});
    EXPECT_EQ(view->selection(),
              (TextSelection{layout.ByteToHexPos(2).high, layout.ByteToHexPos(5).low + 1}));
    RunWith(Cmd::EditGoTo, {"3F"});
    EXPECT_EQ(view->selection(),
              (TextSelection{layout.ByteToHexPos(0x3F).high, layout.ByteToHexPos(0x3F).low + 1}));
    EXPECT_FALSE(view->data().dataModified());
}

// Cut in one window, Paste in another, through the system clipboard only.
TEST_F(EditCommandsTest, CutThenPasteInAnotherWindow) {
    COrvelView* source = Open({0x00, 0x11, 0x22, 0x33, 0x44, 0x55}, "a.bin");
    ASSERT_NE(source, nullptr);
    RunWith(Cmd::EditCutBytes, {"4", "2"});
    EXPECT_EQ(Bytes(source), (std::vector<std::uint8_t>{0x00, 0x11, 0x55}));
    EXPECT_EQ(source->selection().caret, source->layout().ByteToHexPos(2).high);
    EXPECT_TRUE(source->selection().empty());
    EXPECT_TRUE(source->data().dataModified());

    const QMimeData* onClipboard = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(onClipboard, nullptr);
    EXPECT_EQ(onClipboard->formats(), QStringList{"Orvel Clipboard Format V2.00"});
    EXPECT_EQ(onClipboard->data("Orvel Clipboard Format V2.00"), QByteArray::fromHex("0300223344"));

    COrvelView* target = Open({0xAA, 0xBB}, "b.bin");
    ASSERT_NE(target, nullptr);
    ASSERT_NE(target, source);
    RunWith(Cmd::EditPasteBytes, {"1"});
    EXPECT_EQ(Bytes(target), (std::vector<std::uint8_t>{0xAA, 0x22, 0x33, 0x44, 0xBB}));
    const orvel::DumpLayout layout = target->layout();
    EXPECT_EQ(target->selection(),
              (TextSelection{layout.ByteToHexPos(1).high, layout.ByteToHexPos(4).high}));
    EXPECT_TRUE(target->data().dataModified());
    // Copy leaves its window as it was and replaces the clipboard.
    RunWith(Cmd::EditCopyBytes, {"0", "0"});
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data(ClipboardMimeType()),
              QByteArray::fromHex("0100AA"));
    RunWith(Cmd::EditPasteBytes, {"5"});
    EXPECT_EQ(Bytes(target), (std::vector<std::uint8_t>{0xAA, 0x22, 0x33, 0x44, 0xBB, 0xAA}));
}

// 70000 bytes travel with the long count form and paste whole.
TEST_F(EditCommandsTest, ALongBlockRoundTripsThroughTheClipboard) {
    std::vector<std::uint8_t> bytes(70000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    COrvelView* source = Open(bytes, "long.bin");
    ASSERT_NE(source, nullptr);
    RunWith(Cmd::EditCopyBytes, {"1116F", "0"});
    const QByteArray block = QGuiApplication::clipboard()->mimeData()->data(ClipboardMimeType());
    ASSERT_EQ(block.size(), 70006);
    EXPECT_EQ(block.left(6), QByteArray::fromHex("FFFF70110100"));
    EXPECT_FALSE(source->data().dataModified());
    COrvelView* target = Open({}, "empty.bin");
    ASSERT_NE(target, nullptr);
    RunWith(Cmd::EditPasteBytes, {"0"});
    EXPECT_EQ(Bytes(target), bytes);
}

TEST_F(EditCommandsTest, ADamagedClipboardBlockPastesNothing) {
    COrvelView* view = Open({0x01, 0x02});
    ASSERT_NE(view, nullptr);
    for (const char* block : {"05000102", "05", "FFFF0300"}) {
        SCOPED_TRACE(block);
        prompts().Reset();
        PutBlockOnClipboard(QByteArray::fromHex(block));
        RunWith(Cmd::EditPasteBytes, {"0"});
        EXPECT_EQ(prompts().asked,
                  QStringList{QString::fromUtf8(
                      orvel::kClipboardDamagedMessage.data(),
                      static_cast<qsizetype>(orvel::kClipboardDamagedMessage.size()))});
        EXPECT_EQ(Bytes(view), (std::vector<std::uint8_t>{0x01, 0x02}));
        EXPECT_FALSE(view->data().dataModified());
        EXPECT_FALSE(frame()->activeChild()->document()->IsModified());
    }
    // A clipboard without the private format: nothing inserted, still modified.
    QGuiApplication::clipboard()->setText("0102");
    prompts().Reset();
    RunWith(Cmd::EditPasteBytes, {"2"});
    EXPECT_TRUE(prompts().asked.isEmpty());
    EXPECT_EQ(Bytes(view), (std::vector<std::uint8_t>{0x01, 0x02}));
    EXPECT_TRUE(view->data().dataModified());
}

TEST_F(EditCommandsTest, ChangingCommandsGiveTheirBytesAndSelection) {
    struct Case {
        CommandId cmd;
        QStringList texts;
        std::vector<std::uint8_t> before;
        std::vector<std::uint8_t> after;
        Offset selFirstByte;  // the selection's bytes, from the high digit of the first
        Offset selEndByte;    // to the high digit (or just past the low digit) of this byte
        bool pastLow;
    };
    const Case cases[] = {
        {Cmd::EditDeleteBytes, {"1", "1"}, {1, 2, 3}, {1, 3}, 1, 1, false},
        {Cmd::EditInsertBytes, {"0", "3", "FF"}, {0, 1}, {0xFF, 0xFF, 0xFF, 0, 1}, 0, 0, true},
        {Cmd::EditInsertBytes, {"2", "0", "00"}, {0, 1}, {0, 1}, 2, 2, true},
        {Cmd::EditReplaceBytes,
         {"00", "FF", "0", "3"},
         {0, 1, 0, 2},
         {0xFF, 1, 0xFF, 2},
         9,
         9,
         false},
        {Cmd::EditReplaceBytes, {"00", "FF", "3", "0"}, {0, 1, 0, 2}, {0, 1, 0, 2}, 9, 9, false},
        {Cmd::OpBitwiseShift, {"1", "0", "1"}, {0x81, 0xF0, 7}, {0x02, 0xE0, 7}, 0, 1, true},
        {Cmd::OpOnesComplement, {"2", "1"}, {0, 0, 0x5A}, {0, 0xFF, 0xA5}, 1, 2, true},
        {Cmd::OpTwosComplement, {"0", "3"}, {1, 0, 0x80, 0xFF}, {0xFF, 0, 0x80, 1}, 0, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cmd.name);
        COrvelView* view = Open(c.before);
        ASSERT_NE(view, nullptr);
        const orvel::DumpLayout layout = view->layout();
        view->SetCaret(layout.ByteToHexPos(9).high);  // past the end: Replace keeps it there
        RunWith(c.cmd, c.texts);
        EXPECT_EQ(Bytes(view), c.after);
        EXPECT_TRUE(view->data().dataModified());
        const TextSelection expected{layout.ByteToHexPos(c.selFirstByte).high,
                                     c.pastLow ? layout.ByteToHexPos(c.selEndByte).low + 1
                                               : layout.ByteToHexPos(c.selEndByte).high};
        EXPECT_EQ(view->selection(), expected);
        CloseAll();
    }
}

TEST_F(EditCommandsTest, ReverseKeepsTheSelection) {
    COrvelView* view = Open({1, 2, 3, 4, 5});
    ASSERT_NE(view, nullptr);
    const TextSelection before{90, 95};
    view->SetSelection(before);
    RunWith(Cmd::EditReverseSeq, {"4", "0"});
    EXPECT_EQ(Bytes(view), (std::vector<std::uint8_t>{5, 4, 3, 2, 1}));
    EXPECT_EQ(view->selection(), before);
    EXPECT_TRUE(view->data().dataModified());
}

// Every rebuild of the dump drops the marks; the bitwise operations rewrite
// only their block's cells and keep the marks around it; Copy keeps them.
TEST_F(EditCommandsTest, MarksAfterEachCommand) {
    struct Case {
        CommandId cmd;
        QStringList texts;
        bool keepsMarks;
    };
    PutBlockOnClipboard(QByteArray::fromHex("0200AABB"));
    const Case cases[] = {
        {Cmd::EditCutBytes, {"10", "1F"}, false},
        {Cmd::EditDeleteBytes, {"10", "1F"}, false},
        {Cmd::EditPasteBytes, {"10"}, false},
        {Cmd::EditInsertBytes, {"10", "2", "00"}, false},
        {Cmd::EditReplaceBytes, {"00", "00", "10", "1F"}, false},
        {Cmd::EditReverseSeq, {"10", "1F"}, false},
        {Cmd::EditCopyBytes, {"10", "1F"}, true},
        {Cmd::OpBitwiseShift, {"1", "10", "1F"}, true},
        {Cmd::OpBitwiseMask, {"0F", "10", "1F"}, true},
        {Cmd::OpOnesComplement, {"10", "1F"}, true},
        {Cmd::OpTwosComplement, {"10", "1F"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cmd.name);
        COrvelView* view = Open(Counting(0x40));
        ASSERT_NE(view, nullptr);
        view->marks().Paint(0, 0x3F, MarkColor::kRed);
        view->MarksChanged(0, 0x3F);
        RunWith(c.cmd, c.texts);
        if (c.keepsMarks) {
            EXPECT_EQ(view->marks().ColorAt(0x0F), MarkColor::kRed);
            EXPECT_EQ(view->marks().ColorAt(0x20), MarkColor::kRed);
            EXPECT_EQ(view->marks().ColorAt(0x3F), MarkColor::kRed);
        } else {
            EXPECT_TRUE(view->marks().empty());
        }
        CloseAll();
    }
    // Cut put its block on the clipboard before the paste case ran.
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data(ClipboardMimeType()).size(), 18);
}

// Each command makes its change as one typed edit inside a group of its own,
// which an undo will take back as one step.
TEST_F(EditCommandsTest, EachCommandIsOneGroupOfTypedEdits) {
    using orvel::EditKind;
    struct Case {
        CommandId cmd;
        QStringList texts;
        std::vector<EditKind> told;
    };
    PutBlockOnClipboard(QByteArray::fromHex("0200AABB"));
    const Case cases[] = {
        {Cmd::EditCutBytes, {"10", "1F"}, {EditKind::kRemove, EditKind::kGroupEnd}},
        {Cmd::EditPasteBytes, {"10"}, {EditKind::kInsert, EditKind::kGroupEnd}},
        {Cmd::EditInsertBytes, {"10", "2", "00"}, {EditKind::kInsertFill, EditKind::kGroupEnd}},
        {Cmd::EditReplaceBytes,
         {"00", "01", "10", "1F"},
         {EditKind::kReplaceValue, EditKind::kGroupEnd}},
        {Cmd::EditReverseSeq, {"10", "1F"}, {EditKind::kReverse, EditKind::kGroupEnd}},
        {Cmd::OpBitwiseShift, {"1", "10", "1F"}, {EditKind::kShiftLeft, EditKind::kGroupEnd}},
        {Cmd::OpBitwiseMask, {"0F", "10", "1F"}, {EditKind::kMaskAnd, EditKind::kGroupEnd}},
        {Cmd::OpTwosComplement, {"10", "1F"}, {EditKind::kTwosComplement, EditKind::kGroupEnd}},
        {Cmd::EditCopyBytes, {"10", "1F"}, {EditKind::kGroupEnd}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cmd.name);
        COrvelView* view = Open(Counting(0x40));
        ASSERT_NE(view, nullptr);
        std::vector<EditKind> told;
        const int id = view->data().AddObserver(
            [&told](const orvel::ByteEdit& edit) { told.push_back(edit.kind); });
        RunWith(c.cmd, c.texts);
        view->data().RemoveObserver(id);
        EXPECT_EQ(told, c.told);
        CloseAll();
    }
}

TEST_F(EditCommandsTest, ShiftAndMaskSettingsAreRememberedPerView) {
    COrvelView* view = Open(Counting(0x20));
    ASSERT_NE(view, nullptr);
    OnDialog([](AddressDialog* dialog) {
        EXPECT_TRUE(dialog->choiceButton(0)->isChecked());  // AND
        EXPECT_EQ(dialog->field(0)->text(), "FF");
        dialog->choiceButton(2)->click();  // XOR
        dialog->field(0)->setText("0F");
        dialog->accept();
    });
    EXPECT_TRUE(frame()->RouteCommand(Cmd::OpBitwiseMask));
    EXPECT_EQ(view->data().at(0x10), 0x1F);
    EXPECT_EQ(view->data().at(0x1F), 0x10);
    OnDialog([](AddressDialog* dialog) {
        EXPECT_TRUE(dialog->choiceButton(2)->isChecked());
        EXPECT_EQ(dialog->field(0)->text(), "F");
    });
    EXPECT_TRUE(frame()->RouteCommand(Cmd::OpBitwiseMask));

    OnDialog([](AddressDialog* dialog) {
        EXPECT_TRUE(dialog->choiceButton(0)->isChecked());  // Left Shift
        EXPECT_EQ(dialog->field(0)->text(), "0");
        dialog->choiceButton(1)->click();
        dialog->field(0)->setText("4");
        dialog->accept();
    });
    EXPECT_TRUE(frame()->RouteCommand(Cmd::OpBitwiseShift));
    EXPECT_EQ(view->data().at(0x10), 0x01);  // 1F >> 4
    // A second window of its own starts from the first settings.
    COrvelView* other = Open(Counting(4), "other.bin");
    ASSERT_NE(other, nullptr);
    OnDialog([](AddressDialog* dialog) {
        EXPECT_TRUE(dialog->choiceButton(0)->isChecked());
        EXPECT_EQ(dialog->field(0)->text(), "0");
    });
    EXPECT_TRUE(frame()->RouteCommand(Cmd::OpBitwiseShift));
    OnDialog([](AddressDialog* dialog) {
        EXPECT_TRUE(dialog->choiceButton(1)->isChecked());
        EXPECT_EQ(dialog->field(0)->text(), "4");
    });
    // The first window kept its own.
    EXPECT_TRUE(frame()->commands().Run(Cmd::OpBitwiseShift, frame()->RouteFrom(view)));
}

TEST_F(EditCommandsTest, ClosingTheWindowUnderItsDialogRunsNothing) {
    COrvelView* view = Open(Counting(0x20));
    ASSERT_NE(view, nullptr);
    QTimer::singleShot(0, [this] {
        auto* dialog = qobject_cast<AddressDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->field(0)->setText("1");
        delete frame()->activeChild();
    });
    EXPECT_TRUE(frame()->RouteCommand(Cmd::EditDeleteBytes));
    EXPECT_TRUE(frame()->children().empty());
}

TEST_F(EditCommandsTest, KeysReachTheirDialogs) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString title;
    };
    const Case cases[] = {
        {Qt::Key_B, Qt::ControlModifier, "Select Bytes"},
        {Qt::Key_G, Qt::ControlModifier, "Go To"},
        {Qt::Key_H, Qt::ControlModifier, "Replace Bytes"},
        {Qt::Key_R, Qt::ControlModifier, "Reverse Bytes Sequence"},
        {Qt::Key_X, Qt::ControlModifier, "Cut Bytes"},
        {Qt::Key_Delete, Qt::ShiftModifier, "Cut Bytes"},
        {Qt::Key_C, Qt::ControlModifier, "Copy Bytes"},
        {Qt::Key_Insert, Qt::ControlModifier, "Copy Bytes"},
        {Qt::Key_V, Qt::ControlModifier, "Paste Bytes"},
        {Qt::Key_Insert, Qt::ShiftModifier, "Paste Bytes"},
        {Qt::Key_Delete, Qt::NoModifier, "Delete Bytes"},
        {Qt::Key_Insert, Qt::NoModifier, "Insert Bytes"},
    };
    COrvelView* view = Open(Counting(0x20));
    ASSERT_NE(view, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        QString title;
        OnDialog([&](AddressDialog* dialog) { title = dialog->windowTitle(); });
        // The offscreen platform gives no window the keyboard back after a dialog.
        QApplication::setActiveWindow(frame());
        view->setFocus();
        QTest::keyClick(view, c.key, c.modifiers);
        EXPECT_EQ(title, c.title);
    }
}

TEST_F(EditCommandsTest, CommandsWaitWhileAMarkingRunOwnsTheDocument) {
    COrvelView* view = Open(Counting(0x20));
    ASSERT_NE(view, nullptr);
    view->data().m_bMarkIdle = 0;
    frame()->UpdateCommands();
    for (const CommandId cmd :
         {Cmd::EditCutBytes, Cmd::EditCopyBytes, Cmd::EditPasteBytes, Cmd::EditDeleteBytes,
          Cmd::EditInsertBytes, Cmd::EditSelectBytes, Cmd::EditGoTo, Cmd::EditReplaceBytes,
          Cmd::EditReverseSeq, Cmd::OpBitwiseShift, Cmd::OpBitwiseMask, Cmd::OpOnesComplement,
          Cmd::OpTwosComplement}) {
        EXPECT_FALSE(frame()->action(cmd)->isEnabled()) << cmd.name;
    }
    view->data().m_bMarkIdle = 1;
    frame()->UpdateCommands();
    EXPECT_TRUE(frame()->action(Cmd::EditCutBytes)->isEnabled());
    EXPECT_TRUE(frame()->action(Cmd::OpTwosComplement)->isEnabled());
}

// Growing a file of FFFFFFFF bytes is refused with a message and no change.
TEST_F(EditCommandsTest, InsertBeyondTheLargestFileIsRefused) {
    CChildFrame* child = frame()->NewDocument();
    COrvelView* view = child->view();
    orvel::ByteBuffer huge;
    huge.resizeForOverwrite(orvel::kMaxFileSize);  // untouched pages read as zero
    child->document()->data().AssignBytes(std::move(huge), false);
    frame()->UpdateCommands();
    PutBlockOnClipboard(QByteArray::fromHex("0100AA"));
    const QString message =
        QString::fromUtf8(orvel::kFileTooLargeMessage.data(),
                          static_cast<qsizetype>(orvel::kFileTooLargeMessage.size()));
    RunWith(Cmd::EditInsertBytes, {"0", "1", "00"});
    RunWith(Cmd::EditPasteBytes, {"FFFFFFFF"});
    EXPECT_EQ(prompts().asked, (QStringList{message, message}));
    EXPECT_EQ(view->data().size(), orvel::kMaxFileSize);
    EXPECT_FALSE(child->document()->IsModified());
    child->document()->data().AssignBytes(orvel::ByteBuffer(), false);
}

}  // namespace
