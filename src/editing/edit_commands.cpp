#include "editing/edit_commands.h"

#include <QByteArray>
#include <QPointer>
#include <cstdint>
#include <span>
#include <utility>

#include "editing/address_dialog.h"
#include "editing/block_kernels.h"
#include "editing/clipboard_transfer.h"
#include "ui/qt_string.h"
#include "ui/shell_services.h"
#include "ui/user_prompts.h"
#include "ui/wait_cursor.h"

using orvel::DialogId;
using orvel::EditOutcome;
using orvel::Offset;

namespace {

// Clipboard blocks are built straight into the byte array the clipboard keeps.
orvel::BlockStorage StoreIn(QByteArray& block) {
    return [&block](std::size_t length) {
        block.resize(static_cast<qsizetype>(length));
        return std::span<std::uint8_t>(reinterpret_cast<std::uint8_t*>(block.data()), length);
    };
}

std::uint8_t Byte(Offset value) {
    return static_cast<std::uint8_t>(value);
}

// Runs the kernel of the dialog's command on the view's bytes as one group of
// edits, which an undo takes back as one step named after the command.
orvel::EditResult Apply(COrvelView& view, std::string_view step, DialogId id,
                        const orvel::DialogMembers& m) {
    orvel::BinaryDocument& doc = view.data();
    const orvel::DumpLayout layout = view.layout();
    const Offset start = m.m_nStartAddr;
    const Offset end = m.m_nEndAddr;
    const orvel::EditGroup group(doc, step);
    orvel::EditResult result;
    switch (id) {
        case DialogId::kCopyBytes: {
            QByteArray block;
            result = orvel::CopyBytes(doc, start, end, StoreIn(block));
            if (result.outcome == EditOutcome::kDone)
                PutBlockOnClipboard(std::move(block));
            break;
        }
        case DialogId::kCutBytes: {
            QByteArray block;
            result = orvel::CutBytes(doc, layout, start, end, StoreIn(block));
            if (result.outcome == EditOutcome::kDone)
                PutBlockOnClipboard(std::move(block));
            break;
        }
        case DialogId::kDeleteBytes:
            result = orvel::DeleteBytes(doc, layout, start, end);
            break;
        case DialogId::kPasteBytes: {
            const std::optional<QByteArray> block = GetBlockFromClipboard();
            const QByteArray text = block ? QByteArray() : GetTextFromClipboard();
            std::optional<std::span<const std::uint8_t>> bytes;
            if (block) {
                bytes = std::span<const std::uint8_t>(
                    reinterpret_cast<const std::uint8_t*>(block->constData()),
                    static_cast<std::size_t>(block->size()));
            }
            result = orvel::PasteBytes(doc, layout, start, bytes,
                                       std::string_view(text.constData(), text.size()));
            break;
        }
        case DialogId::kInsertBytes:
            result =
                orvel::InsertBytes(doc, layout, start, m.m_nByteCount, Byte(m.m_nDefaultValue));
            break;
        case DialogId::kSelectBytes:
            result.selection = orvel::SelectBytes(layout, start, end);
            break;
        case DialogId::kGoTo:
            result.selection = orvel::SelectByte(layout, m.m_nAddress);
            break;
        case DialogId::kReplaceBytes:
            result = orvel::ReplaceBytes(doc, start, end, Byte(m.m_nOldValue), Byte(m.m_nNewValue),
                                         view.selection());
            break;
        case DialogId::kReverseSeq:
            result = orvel::ReverseBytes(doc, start, end);
            break;
        case DialogId::kBitwiseShift:
            result = orvel::ShiftBytes(doc, layout, start, end,
                                       static_cast<orvel::ShiftType>(m.m_nShiftType),
                                       static_cast<int>(m.m_nShiftCount));
            break;
        case DialogId::kMaskBytes:
            result =
                orvel::MaskBytes(doc, layout, start, end,
                                 static_cast<orvel::MaskType>(m.m_nMaskType), Byte(m.m_nMaskValue));
            break;
        case DialogId::kOnesComplement:
            result = orvel::OnesComplement(doc, layout, start, end);
            break;
        case DialogId::kTwosComplement:
            result = orvel::TwosComplement(doc, layout, start, end);
            break;
    }
    return result;
}

}  // namespace

EditCommands::EditCommands(COrvelView& view) : view_(view) {}

void EditCommands::Open(DialogId id, std::string_view step) {
    if (!view_.IsMarkIdle())
        return;
    // No address is asked for bytes that are not there.
    if (id == DialogId::kPasteBytes && !ClipboardHoldsBytes())
        return view_.ReportOutcome(EditOutcome::kClipboardEmpty);
    const orvel::DialogDef& def = orvel::GetDialogDef(id);
    const orvel::DialogMembers preset = orvel::OpenDialogMembers(
        def, view_.layout(), view_.selection(), view_.data().size(), settings_);
    // The window (and this handler with it) may close while the dialog is open.
    const QPointer<COrvelView> alive(&view_);
    const std::optional<orvel::DialogMembers> members =
        RunAddressDialog(def, preset, view_.shell().prompts(), &view_);
    if (alive && members)
        Run(id, step, *members);
}

void EditCommands::Run(DialogId id, std::string_view step, const orvel::DialogMembers& m) {
    orvel::RememberBitwiseSettings(orvel::GetDialogDef(id), m, settings_);
    WaitCursor wait;
    const orvel::EditResult result = Apply(view_, step, id, m);
    if (result.outcome != EditOutcome::kDone)
        return view_.ReportOutcome(result.outcome);
    if (result.selection)
        view_.SetSelection(*result.selection);
}
