#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "document/binary_document.h"
#include "editing/edit_result.h"
#include "view/dump_layout.h"

namespace orvel {

// The block commands of the Edit menu as kernels on a document and the dump's
// position arithmetic. They run on the GUI thread after the command's dialog has
// validated the addresses, and change the bytes only through the document's edit
// interface, one edit each; its observers (the views) rebuild the dump, which
// drops every colour mark, on the edits that say so (ByteEdit::RebuildsDump).
// Each returns an EditResult. Every kernel that changes bytes also fails, with
// the document unchanged, when its undo data cannot be kept (kDeclined,
// kNoMemoryForUndo); beyond that, only the ones that say so can fail.
//
// Ranges are inclusive; unless said otherwise a range given with start above end
// means the same block from end to start. Preconditions (checked by the
// dialogs): start and end lie below the document's size; the insertion start of
// Paste and Insert is at most the size.

// An inclusive range of bytes, given either way round, as its first byte and count.
struct ByteBlock {
    Offset first;
    Offset count;
};
[[nodiscard]] ByteBlock BlockBetween(const BinaryDocument& doc, Offset start, Offset end);

// Memory for an encoded clipboard block: given its length, returns writable
// storage of exactly that length, or throws std::bad_alloc.
using BlockStorage = std::function<std::span<std::uint8_t>(std::size_t length)>;

// Storage that resizes `block` to the length asked for.
[[nodiscard]] BlockStorage StoreIn(std::vector<std::uint8_t>& block);

// Encodes the block into `storage` for the clipboard. The document, the dump and
// the selection are unchanged. Fails only with kOutOfMemory.
[[nodiscard]] EditResult CopyBytes(const BinaryDocument& doc, Offset start, Offset end,
                                   const BlockStorage& storage);

// Encodes the block like CopyBytes, then removes it. The selection becomes a
// caret on the high digit of the byte that now follows the removed block.
// Fails only with kOutOfMemory, before anything is removed.
[[nodiscard]] EditResult CutBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start,
                                  Offset end, const BlockStorage& storage);

// Removes the block; the caret goes where CutBytes puts it.
[[nodiscard]] EditResult DeleteBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start,
                                     Offset end);

// Inserts the bytes on the clipboard at `start` (the size appends) and selects
// from the high digit of byte start to the high digit of the byte after the
// pasted ones. The bytes are those of `block`, the clipboard's block in the
// private format, when there is one; otherwise those of `text`, the clipboard's
// plain text, when it consists of hex values (HexPairsText). A damaged block,
// neither a block nor such a text, a file that would grow past kMaxFileSize,
// or a failed allocation leave the document as it was (kClipboardDamaged,
// kClipboardEmpty, kFileTooLarge, kOutOfMemory).
[[nodiscard]] EditResult PasteBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start,
                                    std::optional<std::span<const std::uint8_t>> block,
                                    std::string_view text = {});

// Inserts `count` (>= 0) bytes of `value` at `start` and selects the two hex
// digits of byte start. Count 0 inserts nothing but rebuilds and marks modified.
// Fails with kFileTooLarge or kOutOfMemory, leaving the document as it was.
[[nodiscard]] EditResult InsertBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start,
                                     Offset count, std::uint8_t value);

// The hex cells of the block: from the high digit of its first byte to just
// after the low digit of its last. The bytes are not touched.
[[nodiscard]] TextSelection SelectBytes(const DumpLayout& layout, Offset start, Offset end);

// The two hex digits of the byte at `address`.
[[nodiscard]] TextSelection SelectByte(const DumpLayout& layout, Offset address);

// The selection after an undo or a redo: the hex cells of the `count` bytes
// from `first` with the caret before the first, so that the view scrolls to
// where they begin; a caret on byte `first` when the bytes went away (count 0).
[[nodiscard]] TextSelection SelectTouched(const DumpLayout& layout, Offset first, Offset count);

// Sets every byte equal to `oldValue` from start to end (in that order only: a
// start above end replaces nothing; an end beyond the file stops at its last
// byte) to `newValue`. The dump is rebuilt and the document marked modified even
// when no byte matched. Selects a caret at the start of `current`, the view's
// selection before the command.
[[nodiscard]] EditResult ReplaceBytes(BinaryDocument& doc, Offset start, Offset end,
                                      std::uint8_t oldValue, std::uint8_t newValue,
                                      TextSelection current);

// Reverses the order of the block's bytes; the dump is rebuilt and the document
// marked modified, even for a single byte. The selection stays where it was.
[[nodiscard]] EditResult ReverseBytes(BinaryDocument& doc, Offset start, Offset end);

}  // namespace orvel
