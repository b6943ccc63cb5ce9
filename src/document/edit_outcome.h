#pragma once

#include <string_view>

namespace orvel {

// How an edit that can fail ended. On anything but kDone the document is
// unchanged and not marked modified.
enum class EditOutcome {
    kDone,
    kClipboardDamaged,  // the clipboard block counts more bytes than it holds
    kClipboardEmpty,    // the clipboard holds neither a block nor a text of hex values
    kFileTooLarge,      // the file would grow past kMaxFileSize bytes
    kOutOfMemory,       // the bytes or the clipboard block could not be allocated
    kNoMemoryForUndo,   // what an undo of the edit needs could not be kept
    kDeclined,          // the user chose not to make a change too large to be undone
};

inline constexpr std::string_view kClipboardDamagedMessage =
    "The clipboard data is damaged. Nothing was pasted.";
inline constexpr std::string_view kClipboardEmptyMessage = "The clipboard holds no bytes to paste.";
inline constexpr std::string_view kFileTooLargeMessage =
    "The bytes can not be inserted: the file would become larger than FFFFFFFF "
    "(4294967295) bytes. The file is unchanged.";
inline constexpr std::string_view kOutOfMemoryMessage =
    "There is not enough memory for this operation. The file is unchanged.";
inline constexpr std::string_view kNoMemoryForUndoMessage =
    "There is not enough memory to keep this change for Undo. The file is unchanged.";

// The message box text for a failed outcome; empty for kDone and kDeclined (the
// user has just answered the question).
[[nodiscard]] constexpr std::string_view OutcomeMessage(EditOutcome outcome) {
    switch (outcome) {
        case EditOutcome::kDone:
            return {};
        case EditOutcome::kClipboardDamaged:
            return kClipboardDamagedMessage;
        case EditOutcome::kClipboardEmpty:
            return kClipboardEmptyMessage;
        case EditOutcome::kFileTooLarge:
            return kFileTooLargeMessage;
        case EditOutcome::kOutOfMemory:
            return kOutOfMemoryMessage;
        case EditOutcome::kNoMemoryForUndo:
            return kNoMemoryForUndoMessage;
        case EditOutcome::kDeclined:
            return {};
    }
    return {};
}

}  // namespace orvel
