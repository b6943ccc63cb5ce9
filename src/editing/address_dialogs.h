#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "document/offset.h"
#include "editing/bitwise_kernels.h"
#include "editing/field_checks.h"
#include "editing/validators.h"
#include "view/dump_layout.h"

namespace orvel {

// The small modal dialogs of the block commands, as data. They all follow one
// pattern: the command presets the members from the view's selection, the
// dialog shows them with a file-size line, and on OK checks its fields in a
// fixed order, reporting the first fault with a fixed message; the Qt dialog
// then focuses that field and selects its whole text, and stays open.
//
// The Qt layer builds each dialog from its DialogDef, fills the fields with
// FieldText, and on OK calls CheckDialogFields. Nothing here is thread-bound.

enum class DialogId {
    kCopyBytes,
    kCutBytes,
    kDeleteBytes,
    kSelectBytes,
    kReverseSeq,
    kOnesComplement,
    kTwosComplement,
    kReplaceBytes,
    kMaskBytes,
    kBitwiseShift,
    kGoTo,
    kPasteBytes,
    kInsertBytes,
};

// The dialog member a field or radio group is bound to.
enum class Member {
    kStartAddr,
    kEndAddr,
    kAddress,
    kOldValue,
    kNewValue,
    kMaskValue,
    kShiftCount,
    kByteCount,
    kDefaultValue,
    kMaskType,
    kShiftType,
};

// How a field's member is shown when the dialog opens.
enum class ShowFormat {
    kHex,      // upper-case hex without leading zeros; empty for a negative member
    kHexByte,  // two upper-case hex digits
    kDecimal,
};

// The member a field is bound to and how the field shows it.
struct FieldBinding {
    Member member;
    ShowFormat format;
};

// A radio group; the member holds the index of the chosen button.
struct ChoiceGroup {
    Member member;
    std::string_view title;
    std::span<const std::string_view> labels;
};

// Where the command takes the address presets from.
enum class PresetSource {
    kSelectedRange,        // the selected bytes; -1, -1 when none
    kSelectedOrWholeFile,  // the selected bytes, or 0 and size - 1 when they are one byte or none
    kInsertionPoint,       // the byte at the insertion point; -1 when there is none
    kZero,                 // address 0
};

// The rule the dialog applies to its presets when it opens.
enum class OpeningRule {
    kNone,
    kClampEnd,      // an end at or above the size becomes size - 1 (0 if negative)
    kClampAddress,  // the same for the Go To address
    kClampStart,    // a start at or above the size becomes the size
};

struct DialogDef {
    DialogId id;
    std::string_view title;
    const ChoiceGroup* choice;               // the radio group above the fields, or null
    FieldTable table;                        // the fields in the order shown, the checks OK runs
    std::span<const FieldBinding> bindings;  // one per field of the table
    std::string_view groupTitle;             // frame around fields[groupFirst..], or empty
    int groupFirst;
    SizePrefix sizePrefix;
    PresetSource source;
    OpeningRule rule;
};

[[nodiscard]] const DialogDef& GetDialogDef(DialogId id);

// The members of a dialog. Addresses are -1 when there is no preset.
struct DialogMembers {
    Offset m_nFileSize = 0;
    Offset m_nStartAddr = -1;
    Offset m_nEndAddr = -1;
    Offset m_nAddress = -1;
    Offset m_nOldValue = 0;
    Offset m_nNewValue = 0;
    Offset m_nMaskType = 0;
    Offset m_nMaskValue = 0xFF;
    Offset m_nShiftType = 0;
    Offset m_nShiftCount = 0;
    Offset m_nByteCount = 0;
    Offset m_nDefaultValue = 0;

    [[nodiscard]] Offset Get(Member member) const;
    void Set(Member member, Offset value);
};

// The members as the command presets them from the view's selection (text
// positions of a dump laid out by `layout`) and the view's remembered bitwise
// settings, with the dialog's opening rule applied.
[[nodiscard]] DialogMembers OpenDialogMembers(const DialogDef& dialog, const DumpLayout& layout,
                                              TextSelection selection, Offset fileSize,
                                              const BitwiseSettings& settings);

// The text fields[field] shows when the dialog opens.
[[nodiscard]] std::string FieldText(const DialogDef& dialog, std::size_t field,
                                    const DialogMembers& members);

// "File Size: 0x 1A Bytes (In Hex) or 26 Bytes (In Decimal)", with the dialog's prefix.
[[nodiscard]] std::string FileSizeLine(const DialogDef& dialog, Offset fileSize);

// Runs the dialog's checks on the field texts (in the order of its fields)
// against members.m_nFileSize and returns the first fault; when every check
// passes, stores each field's value into its member (a fault changes no
// member). A text longer than the field's maximum is cut to it, as the edit
// control would.
[[nodiscard]] std::optional<FieldFault> CheckDialogFields(const DialogDef& dialog,
                                                          std::span<const std::string> texts,
                                                          DialogMembers& members);

// After OK of the Shift or Mask dialog: keeps its type and count or value for
// the next opening in the same view. Other dialogs change nothing.
void RememberBitwiseSettings(const DialogDef& dialog, const DialogMembers& members,
                             BitwiseSettings& settings);

}  // namespace orvel
