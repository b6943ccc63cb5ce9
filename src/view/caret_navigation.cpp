#include "view/caret_navigation.h"

#include <algorithm>

namespace orvel {
namespace {

bool IsWordChar(char c) {
    return c != ' ' && c != '\n';
}

Offset VerticalMove(const DumpText& text, Offset pos, Offset lines, int& desiredColumn) {
    const Offset line = text.LineOfPosition(pos);
    if (desiredColumn < 0)
        desiredColumn = static_cast<int>(pos - text.LineStart(line));
    const Offset target = std::clamp<Offset>(line + lines, 0, text.LineCount() - 1);
    return text.LineStart(target) + std::min(desiredColumn, text.LineLength(target));
}

}  // namespace

Offset MoveCaret(const DumpText& text, Offset pos, CaretMove move, int pageLines,
                 int& desiredColumn) {
    const Offset length = text.Length();
    const bool vertical = move == CaretMove::kUp || move == CaretMove::kDown ||
                          move == CaretMove::kPageUp || move == CaretMove::kPageDown;
    if (!vertical)
        desiredColumn = -1;
    const Offset line = text.LineOfPosition(pos);
    const Offset page = std::max(pageLines, 1);
    switch (move) {
        case CaretMove::kLeft:
            return std::max<Offset>(pos - 1, 0);
        case CaretMove::kRight:
            return std::min(pos + 1, length);
        case CaretMove::kUp:
            return VerticalMove(text, pos, -1, desiredColumn);
        case CaretMove::kDown:
            return VerticalMove(text, pos, 1, desiredColumn);
        case CaretMove::kPageUp:
            return VerticalMove(text, pos, -page, desiredColumn);
        case CaretMove::kPageDown:
            return VerticalMove(text, pos, page, desiredColumn);
        case CaretMove::kLineStart:
            return text.LineStart(line);
        case CaretMove::kLineEnd:
            return text.LineStart(line) + text.LineLength(line);
        case CaretMove::kTextStart:
            return 0;
        case CaretMove::kTextEnd:
            return length;
        case CaretMove::kWordLeft: {
            Offset p = pos;
            while (p > 0 && !IsWordChar(text.CharAt(p - 1)))
                --p;
            while (p > 0 && IsWordChar(text.CharAt(p - 1)))
                --p;
            return p;
        }
        case CaretMove::kWordRight: {
            Offset p = pos;
            while (p < length && IsWordChar(text.CharAt(p)))
                ++p;
            while (p < length && !IsWordChar(text.CharAt(p)))
                ++p;
            return p;
        }
    }
    return pos;
}

TextSelection WordAt(const DumpText& text, Offset pos) {
    const Offset length = text.Length();
    pos = std::clamp<Offset>(pos, 0, length);
    Offset first = pos;
    Offset last = pos;
    while (first > 0 && IsWordChar(text.CharAt(first - 1)))
        --first;
    while (last < length && IsWordChar(text.CharAt(last)))
        ++last;
    return {first, last};
}

}  // namespace orvel
