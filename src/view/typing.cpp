#include "view/typing.h"

namespace orvel {
namespace {

// The value of a hexadecimal digit character, or -1.
int HexDigitValue(char32_t code) {
    if (code >= U'0' && code <= U'9')
        return static_cast<int>(code - U'0');
    if (code >= U'A' && code <= U'F')
        return static_cast<int>(code - U'A') + 10;
    if (code >= U'a' && code <= U'f')
        return static_cast<int>(code - U'a') + 10;
    return -1;
}

bool PastData(LineCol at, const EndMarker& end) {
    return at.line >= end.m_nEndLine && at.column > end.m_nEndLowCol;
}

// A caret may only be put where the text has a line: on a data line that holds
// bytes. (A file whose size is a multiple of 16 has no text on its end line.)
bool OnExistingLine(Offset pos, Offset size, const DumpLayout& layout) {
    return size > 0 && layout.TextPosToLineCol(pos).line <= (size - 1) / 16;
}

TypingResult MoveTo(Offset pos) {
    return {true, {pos, pos}, std::nullopt};
}

TypingResult Backspace(TextSelection selection, Offset size, const EndMarker& end,
                       const DumpLayout& layout) {
    const TypingResult unhandled{false, selection, std::nullopt};
    const LineCol at = layout.TextPosToLineCol(selection.max());
    Offset target = 0;
    if (at.line < 0) {
        target = layout.LineColToTextPos(0, 9);
    } else if (PastData(at, end)) {
        if (size == 0)
            return unhandled;
        target = layout.ByteToHexPos(size - 1).low;
    } else if (at.column <= 9) {
        if (at.line == 0)
            return unhandled;
        target = layout.LineColToTextPos(at.line - 1, 56);
    } else if (at.column == 34) {
        target = layout.LineColToTextPos(at.line, 31);
    } else if (at.column >= 57) {
        target = layout.LineColToTextPos(at.line, 56);
    } else {
        target = selection.max() - 1;
    }
    if (!OnExistingLine(target, size, layout))
        return unhandled;
    return MoveTo(target);
}

TypingResult TypeDigit(TextSelection selection, int digit, std::span<const std::uint8_t> bytes,
                       const EndMarker& end, const DumpLayout& layout) {
    const TypingResult unhandled{false, selection, std::nullopt};
    const Offset min = selection.min();
    if (selection.max() - min > 1)
        return unhandled;
    const LineCol at = layout.TextPosToLineCol(min);
    if (at.column <= 8 || !end.Contains(at.line, at.column))
        return unhandled;
    const bool high = IsHighDigitCol(at.column);
    if (!high && !IsLowDigitCol(at.column))
        return unhandled;

    const Offset offset = DumpLayout::ByteAt(at);
    const std::uint8_t old = bytes[static_cast<std::size_t>(offset)];
    const auto value =
        static_cast<std::uint8_t>(high ? (digit << 4) | (old & 0x0F) : (old & 0xF0) | digit);
    const TypedByte change{offset, value, min, layout.HexPosToCharPos(min)};
    const TextSelection after{min + 1, min + 1};
    if (high)
        return {true, after, change};
    TypingResult moved = AdvanceCaret(after, static_cast<Offset>(bytes.size()), end, layout);
    moved.change = change;
    return moved;
}

}  // namespace

TypingResult AdvanceCaret(TextSelection selection, Offset size, const EndMarker& end,
                          const DumpLayout& layout) {
    const TypingResult unhandled{false, selection, std::nullopt};
    const Offset p = selection.max();
    const LineCol at = layout.TextPosToLineCol(p);
    Offset target = 0;
    if (at.line < 0) {
        target = layout.LineColToTextPos(0, 9);
    } else if (PastData(at, end)) {
        return unhandled;
    } else if (at.column < 9) {
        target = layout.LineColToTextPos(at.line, 9);
    } else if (at.column == 32) {
        target = layout.LineColToTextPos(at.line, 34);
    } else if (at.column >= 57) {
        target = layout.LineColToTextPos(at.line + 1, 9);
    } else {
        target = p + 1;
    }
    if (!OnExistingLine(target, size, layout))
        return unhandled;
    return MoveTo(target);
}

TypingResult TypeChar(TextSelection selection, char32_t code, std::span<const std::uint8_t> bytes,
                      const EndMarker& end, const DumpLayout& layout) {
    const auto size = static_cast<Offset>(bytes.size());
    if (code == kSpaceChar)
        return AdvanceCaret(selection, size, end, layout);
    if (code == kBackspaceChar)
        return Backspace(selection, size, end, layout);
    const int digit = HexDigitValue(code);
    if (digit >= 0)
        return TypeDigit(selection, digit, bytes, end, layout);
    return {false, selection, std::nullopt};
}

}  // namespace orvel
