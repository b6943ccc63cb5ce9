#include "view/typing.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "document/binary_document.h"
#include "view/dump_text.h"

namespace orvel {
namespace {

// Runs every test in a single-file window and in a comparison pane.
class TypingTest : public ::testing::TestWithParam<DumpStyle> {
  protected:
    void SetBytes(std::vector<std::uint8_t> bytes) {
        bytes_ = std::move(bytes);
        end_ = EndMarker::ForSize(static_cast<Offset>(bytes_.size()));
    }
    void SetSize(Offset size) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 37);
        SetBytes(std::move(bytes));
    }
    [[nodiscard]] DumpLayout Layout() const {
        return DumpLayout(GetParam() == DumpStyle::kPane ? DumpLayout::kPaneFirstDataPos
                                                         : DumpLayout::kSingleFirstDataPos);
    }
    [[nodiscard]] Offset Pos(Offset line, int column) const {
        return Layout().LineColToTextPos(line, column);
    }
    [[nodiscard]] TypingResult Type(TextSelection sel, char32_t code) const {
        return TypeChar(sel, code, bytes_, end_, Layout());
    }
    [[nodiscard]] TypingResult TypeAt(Offset pos, char32_t code) const {
        return Type({pos, pos}, code);
    }
    // Types and applies the change to the bytes, as the view does.
    TypingResult TypeAndApply(Offset pos, char32_t code) {
        const TypingResult result = TypeAt(pos, code);
        if (result.change)
            bytes_[static_cast<std::size_t>(result.change->offset)] = result.change->value;
        return result;
    }

    std::vector<std::uint8_t> bytes_;
    EndMarker end_;
};

TextSelection Caret(Offset pos) {
    return {pos, pos};
}

TEST_P(TypingTest, TypingAByteNibbleByNibble) {
    SetBytes({0x4D, 0x5A, 0x90});
    const TypingResult first = TypeAndApply(Pos(0, 9), U'a');
    EXPECT_TRUE(first.handled);
    EXPECT_EQ(first.selection, Caret(Pos(0, 10)));  // before the D
    ASSERT_TRUE(first.change);
    EXPECT_EQ(*first.change, (TypedByte{0, 0xAD, Pos(0, 9), Pos(0, 60)}));

    const TypingResult second = TypeAndApply(first.selection.caret, U'7');
    EXPECT_TRUE(second.handled);
    EXPECT_EQ(second.selection, Caret(Pos(0, 12)));  // the next byte's high digit
    ASSERT_TRUE(second.change);
    EXPECT_EQ(*second.change, (TypedByte{0, 0xA7, Pos(0, 10), Pos(0, 60)}));
    EXPECT_EQ(bytes_, (std::vector<std::uint8_t>{0xA7, 0x5A, 0x90}));

    ByteBuffer shown(bytes_.data(), static_cast<Offset>(bytes_.size()));
    const DumpText dump(shown, GetParam());
    EXPECT_EQ(dump.Text(Pos(0, 9), Pos(0, 11)), "A7");
    EXPECT_EQ(dump.CharAt(Pos(0, 60)), '.');
}

TEST_P(TypingTest, LowDigitMovesOnToTheNextByte) {
    SetSize(40);
    struct Row {
        int lowCol;
        Offset nextLine;
        int nextCol;
    };
    const Row rows[] = {{10, 0, 12}, {31, 0, 34}, {35, 0, 37}, {53, 0, 55}, {56, 1, 9}};
    for (const Row& row : rows) {
        const TypingResult r = TypeAt(Pos(0, row.lowCol), U'F');
        EXPECT_TRUE(r.handled) << row.lowCol;
        EXPECT_EQ(r.selection, Caret(Pos(row.nextLine, row.nextCol))) << row.lowCol;
        ASSERT_TRUE(r.change);
        EXPECT_EQ(r.change->value & 0x0F, 0x0F);
        EXPECT_EQ(r.change->charPos, Pos(0, 60 + ColToByteInLine(row.lowCol)));
    }
}

TEST_P(TypingTest, LowDigitOfTheLastByteChangesItButLeavesTheCaretBehindIt) {
    for (const Offset size : {Offset{1}, Offset{20}, Offset{32}}) {
        SetSize(size);
        const HexPos last = Layout().ByteToHexPos(size - 1);
        const TypingResult r = TypeAt(last.low, U'0');
        EXPECT_FALSE(r.handled) << size;
        EXPECT_EQ(r.selection, Caret(last.low + 1)) << size;
        ASSERT_TRUE(r.change) << size;
        EXPECT_EQ(r.change->offset, size - 1);
        // Past the data nothing more can be typed.
        const TypingResult beyond = TypeAt(last.low + 1, U'0');
        EXPECT_FALSE(beyond.handled);
        EXPECT_FALSE(beyond.change);
    }
}

TEST_P(TypingTest, TheSameDigitLeavesTheDocumentUnmodified) {
    BinaryDocument doc;
    ByteBuffer initial(2);
    initial[0] = 0x4D;
    doc.AssignBytes(std::move(initial), false);
    SetBytes({0x4D, 0x00});
    const auto apply = [&](const TypingResult& r) {
        ASSERT_TRUE(r.change);
        doc.SetByte(r.change->offset, r.change->value);
    };
    apply(TypeAt(Pos(0, 9), U'4'));
    apply(TypeAt(Pos(0, 10), U'd'));
    EXPECT_EQ(doc.at(0), 0x4D);
    EXPECT_FALSE(doc.dataModified());
    apply(TypeAt(Pos(0, 10), U'e'));
    EXPECT_EQ(doc.at(0), 0x4E);
    EXPECT_TRUE(doc.dataModified());
}

TEST_P(TypingTest, NothingIsTypableInAnEmptyDocument) {
    SetBytes({});
    const ByteBuffer empty;
    const Offset length = DumpText(empty, GetParam()).Length();
    for (Offset pos = 0; pos <= length; ++pos) {
        for (const char32_t code : {U'0', U'a', U'F', kSpaceChar, kBackspaceChar}) {
            const TypingResult r = TypeAt(pos, code);
            EXPECT_FALSE(r.handled) << pos;
            EXPECT_FALSE(r.change) << pos;
            EXPECT_EQ(r.selection, Caret(pos));
        }
    }
}

TEST_P(TypingTest, DigitsOutsideTheHexDigitsChangeNothing) {
    SetSize(20);
    const Offset outside[] = {0,          Pos(0, -1), Pos(0, 3),  Pos(0, 8),
                              Pos(0, 11), Pos(0, 32), Pos(0, 33), Pos(0, 57),
                              Pos(0, 60), Pos(0, 75), Pos(1, 20), Pos(1, 60)};
    for (const Offset pos : outside) {
        const TypingResult r = TypeAt(pos, U'5');
        EXPECT_FALSE(r.handled) << pos;
        EXPECT_FALSE(r.change) << pos;
        EXPECT_EQ(r.selection, Caret(pos));
    }
}

TEST_P(TypingTest, SelectionsOfTwoOrMoreCharactersTakeNoDigit) {
    SetSize(20);
    EXPECT_FALSE(Type({Pos(0, 9), Pos(0, 12)}, U'1').change);
    EXPECT_FALSE(Type({Pos(0, 12), Pos(0, 9)}, U'1').handled);
    EXPECT_FALSE(Type({Pos(0, 9), Pos(0, 11)}, U'1').change);
    // One selected digit is replaced, whichever way it was selected.
    for (const TextSelection sel :
         {TextSelection{Pos(0, 12), Pos(0, 13)}, TextSelection{Pos(0, 13), Pos(0, 12)}}) {
        const TypingResult r = Type(sel, U'1');
        EXPECT_TRUE(r.handled);
        EXPECT_EQ(r.selection, Caret(Pos(0, 13)));
        ASSERT_TRUE(r.change);
        EXPECT_EQ(r.change->value, 0x10 | (37 & 0x0F));
    }
}

TEST_P(TypingTest, OtherCharactersAreNotHandled) {
    SetSize(20);
    for (const char32_t code : {U'g', U'G', U'x', U'\n', U'\r', char32_t{0x7F}, U'\u00e9'}) {
        const TypingResult r = TypeAt(Pos(0, 9), code);
        EXPECT_FALSE(r.handled);
        EXPECT_FALSE(r.change);
    }
}

TEST_P(TypingTest, SpaceAndBackspaceInTheHeaderGoToTheFirstByte) {
    SetSize(20);
    for (const Offset pos : {Offset{0}, Offset{40}, Layout().firstDataPos() - 1}) {
        for (const char32_t code : {kSpaceChar, kBackspaceChar}) {
            const TypingResult r = TypeAt(pos, code);
            EXPECT_TRUE(r.handled);
            EXPECT_EQ(r.selection, Caret(Layout().firstDataPos() + 9));
        }
    }
}

TEST_P(TypingTest, SpaceAndBackspaceOverEveryColumnClass) {
    SetSize(48);  // line 1 has a full line on either side
    struct Row {
        int column;
        LineCol space;  // line -2: not handled
        LineCol backspace;
    };
    const Row rows[] = {
        {-1, {1, 9}, {0, 56}},  {0, {1, 9}, {0, 56}},   {8, {1, 9}, {0, 56}},
        {9, {1, 10}, {0, 56}},  {10, {1, 11}, {1, 9}},  {11, {1, 12}, {1, 10}},
        {12, {1, 13}, {1, 11}}, {31, {1, 32}, {1, 30}}, {32, {1, 34}, {1, 31}},
        {33, {1, 34}, {1, 32}}, {34, {1, 35}, {1, 31}}, {35, {1, 36}, {1, 34}},
        {56, {1, 57}, {1, 55}}, {57, {2, 9}, {1, 56}},  {58, {2, 9}, {1, 56}},
        {60, {2, 9}, {1, 56}},  {75, {2, 9}, {1, 56}},
    };
    for (const Row& row : rows) {
        const Offset pos = Pos(1, row.column);
        const TypingResult space = TypeAt(pos, kSpaceChar);
        EXPECT_TRUE(space.handled) << row.column;
        EXPECT_EQ(space.selection, Caret(Pos(row.space.line, row.space.column))) << row.column;
        EXPECT_EQ(AdvanceCaret(Caret(pos), 48, end_, Layout()).selection, space.selection);
        const TypingResult back = TypeAt(pos, kBackspaceChar);
        EXPECT_TRUE(back.handled) << row.column;
        EXPECT_EQ(back.selection, Caret(Pos(row.backspace.line, row.backspace.column)))
            << row.column;
        EXPECT_FALSE(space.change);
        EXPECT_FALSE(back.change);
    }
    // The later end of a selection is where the step starts.
    EXPECT_EQ(Type({Pos(1, 20), Pos(0, 9)}, kSpaceChar).selection, Caret(Pos(1, 21)));
    EXPECT_EQ(Type({Pos(0, 9), Pos(1, 20)}, kBackspaceChar).selection, Caret(Pos(1, 19)));
}

TEST_P(TypingTest, BackspaceAtTheEdgesOfTheData) {
    SetSize(20);
    for (const int column : {0, 5, 9}) {
        EXPECT_FALSE(TypeAt(Pos(0, column), kBackspaceChar).handled) << column;
    }
    // After the last byte of a partial last line: back to its low digit.
    const Offset lastLow = Layout().ByteToHexPos(19).low;
    for (const Offset pos : {lastLow + 1, lastLow + 2, Pos(1, 60)}) {
        const TypingResult r = TypeAt(pos, kBackspaceChar);
        EXPECT_TRUE(r.handled);
        EXPECT_EQ(r.selection, Caret(lastLow));
    }
    // Space goes as far as just after the last digit and no further.
    EXPECT_EQ(TypeAt(lastLow, kSpaceChar).selection, Caret(lastLow + 1));
    EXPECT_FALSE(TypeAt(lastLow + 1, kSpaceChar).handled);
}

TEST_P(TypingTest, NoStepLeavesTheLastLineOfAWholeLineFile) {
    SetSize(32);
    for (const int column : {56, 57, 60, 75}) {
        const Offset pos = Pos(1, column);
        const TypingResult space = TypeAt(pos, kSpaceChar);
        if (column == 56) {
            EXPECT_EQ(space.selection, Caret(Pos(1, 57)));
        } else {
            EXPECT_FALSE(space.handled) << column;
            EXPECT_EQ(space.selection, Caret(pos));
        }
    }
    // Just after the last line's final column: backspace returns to the last byte.
    EXPECT_EQ(TypeAt(Pos(2, -1), kBackspaceChar).selection, Caret(Pos(1, 56)));
}

// Random typing keeps the size, and the dump changes only in the typed byte's cells.
TEST_P(TypingTest, RandomTypingTouchesOnlyTheTypedCells) {
    std::mt19937 rng(20240611);
    const char32_t codes[] = {U'0',  U'7',       U'9',          U'a',           U'C',
                              U'f',  U'F',       kSpaceChar,    kBackspaceChar, U'x',
                              U'\t', kSpaceChar, kBackspaceChar};
    for (const Offset size : {Offset{1}, Offset{16}, Offset{37}, Offset{64}, Offset{100}}) {
        ByteBuffer bytes(size);
        for (Offset i = 0; i < size; ++i)
            bytes[i] = static_cast<std::uint8_t>(rng() % 3 ? rng() : 0x20);
        const DumpText dump(bytes, GetParam());
        const EndMarker end = EndMarker::ForSize(size);
        const auto padded = [&] {
            std::string text;
            dump.Write([&](const char* d, std::size_t n) { return text.append(d, n), true; }, 4096);
            text.resize(static_cast<std::size_t>(Layout().LineColToTextPos(size / 16 + 1, 0)), ' ');
            return text;
        };
        TextSelection sel = Caret(Layout().firstDataPos() + 9);
        for (int step = 0; step < 1000; ++step) {
            if (step % 50 == 0) {
                const auto length = static_cast<std::uint32_t>(dump.Length() + 1);
                const Offset a = rng() % length;
                sel = {a, rng() % 4 ? a : std::min<Offset>(a + rng() % 3, length - 1)};
            }
            const std::string before = padded();
            const TypingResult r =
                TypeChar(sel, codes[rng() % std::size(codes)], bytes.span(), end, Layout());
            if (r.change) {
                ASSERT_EQ(Layout().TextPosToByte(r.change->digitPos), r.change->offset);
                ASSERT_EQ(Layout().HexPosToCharPos(r.change->digitPos), r.change->charPos);
                bytes[r.change->offset] = r.change->value;
            }
            ASSERT_EQ(bytes.size(), size);
            const std::string after = padded();
            ASSERT_EQ(after.size(), before.size());
            for (std::size_t i = 0; i < after.size(); ++i) {
                if (after[i] == before[i])
                    continue;
                ASSERT_TRUE(r.change) << "text changed with no typed byte at " << i;
                ASSERT_TRUE(static_cast<Offset>(i) == r.change->digitPos ||
                            static_cast<Offset>(i) == r.change->charPos)
                    << i;
            }
            // The caret always stays inside the text.
            ASSERT_LE(r.selection.max(), dump.Length());
            sel = r.selection;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, TypingTest,
                         ::testing::Values(DumpStyle::kSingleFile, DumpStyle::kPane),
                         [](const auto& info) {
                             return info.param == DumpStyle::kPane ? "Pane" : "SingleFile";
                         });

}  // namespace
}  // namespace orvel
