#pragma once

#include <cstdint>

#include "document/binary_document.h"
#include "editing/edit_result.h"
#include "view/dump_layout.h"

namespace orvel {

// The bitwise operations of the Operations menu. Each changes every byte of an
// inclusive block on its own (a reversed range means the same block) in one
// edit that keeps the dump's structure, so the views rewrite only the block's
// cells and the colour marks outside it survive. The document is marked
// modified even when no byte changes. Each selects the hex cells of the whole
// block; each fails only when its undo data cannot be kept (kDeclined,
// kNoMemoryForUndo), leaving the document unchanged.
// Precondition: start and end lie below the document's size.

// The settings a view remembers between its Shift and Mask dialogs.
struct BitwiseSettings {
    int m_nShiftType = 0;     // ShiftType
    int m_nShiftCount = 0;    // 0-9 bit positions
    int m_nMaskType = 0;      // MaskType
    int m_nMaskValue = 0xFF;  // the mask byte
};

// A logical shift (not a rotation) by `count` bit positions; 8 or more clears the bytes.
[[nodiscard]] EditResult ShiftBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start,
                                    Offset end, ShiftType type, int count);
[[nodiscard]] EditResult MaskBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start,
                                   Offset end, MaskType type, std::uint8_t mask);
// NOT b.
[[nodiscard]] EditResult OnesComplement(BinaryDocument& doc, const DumpLayout& layout, Offset start,
                                        Offset end);
// (256 - b) mod 256.
[[nodiscard]] EditResult TwosComplement(BinaryDocument& doc, const DumpLayout& layout, Offset start,
                                        Offset end);

}  // namespace orvel
