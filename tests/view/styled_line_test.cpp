#include "view/styled_line.h"

#include <gtest/gtest.h>

#include <random>

#include "view/dump_text.h"
#include "view/mark_store.h"

namespace orvel {
namespace {

ByteBuffer Sequence(Offset size) {
    ByteBuffer buffer(size);
    for (Offset i = 0; i < size; ++i)
        buffer[i] = static_cast<std::uint8_t>(0x41 + i % 26);
    return buffer;
}

// The style of each column of a styled line, taken from its runs.
std::vector<CellStyle> ColumnStyles(const StyledLine& line) {
    std::vector<CellStyle> styles;
    for (const StyledRun& run : line.runs) {
        EXPECT_EQ(run.begin, static_cast<int>(styles.size()));
        EXPECT_LT(run.begin, run.end);
        styles.insert(styles.end(), run.end - run.begin, run.style);
    }
    EXPECT_EQ(styles.size(), line.text.size());
    for (std::size_t k = 1; k < line.runs.size(); ++k)
        EXPECT_NE(line.runs[k - 1].style, line.runs[k].style) << "runs are maximal";
    return styles;
}

TEST(StyledLineTest, TheHeaderUnderlinesItsLabelsOnly) {
    const ByteBuffer bytes = Sequence(40);
    for (const DumpStyle style : {DumpStyle::kSingleFile, DumpStyle::kPane}) {
        const DumpText dump(bytes, style);
        const MarkStore marks;
        const StyledLine header = StyleDumpLine(dump, marks, dump.HeaderTextLine(), {});
        EXPECT_EQ(header.text, kDumpHeader);
        const std::vector<CellStyle> styles = ColumnStyles(header);
        std::string underlined;
        for (const CellStyle& cell : styles)
            underlined += cell.underline ? '_' : ' ';
        EXPECT_EQ(underlined,
                  "         __ __ __ __ __ __ __ __  __ __ __ __ __ __ __ __   ________________");
        // No other line is underlined, the pane's line of spaces included.
        for (Offset line = 0; line < dump.LineCount(); ++line) {
            if (line == dump.HeaderTextLine())
                continue;
            for (const StyledRun& run : StyleDumpLine(dump, marks, line, {}).runs)
                EXPECT_FALSE(run.style.underline) << line;
        }
    }
}

TEST(StyledLineTest, TheSelectionCoversItsCellsAndTheLineBreaksInside) {
    const ByteBuffer bytes = Sequence(40);  // data lines 0 to 2, the last one partial
    const DumpText dump(bytes);
    const MarkStore marks;
    const DumpLayout layout = dump.layout();
    const TextSelection selection{layout.LineColToTextPos(2, 3), layout.LineColToTextPos(0, 70)};
    const Offset first = dump.FirstDataTextLine();
    const StyledLine top = StyleDumpLine(dump, marks, first, selection);
    const std::vector<CellStyle> styles = ColumnStyles(top);
    for (int column = 0; column < 76; ++column)
        EXPECT_EQ(styles[column].selected, column >= 70) << column;
    EXPECT_TRUE(top.breakSelected);
    const StyledLine middle = StyleDumpLine(dump, marks, first + 1, selection);
    ASSERT_EQ(middle.runs.size(), 1u);
    EXPECT_TRUE(middle.runs[0].style.selected);
    EXPECT_TRUE(middle.breakSelected);
    const StyledLine last = StyleDumpLine(dump, marks, first + 2, selection);
    EXPECT_EQ(last.runs.front(), (StyledRun{0, 3, {true, false, MarkColor::kBlack}}));
    EXPECT_FALSE(last.breakSelected);
    // Selected to the very end: the last line has no line break to show.
    const StyledLine end =
        StyleDumpLine(dump, marks, first + 2, {layout.LineColToTextPos(2, 0), dump.Length()});
    EXPECT_FALSE(end.breakSelected);
    EXPECT_TRUE(StyleDumpLine(dump, marks, first, {}).runs[0] ==
                (StyledRun{0, 76, {false, false, MarkColor::kBlack}}));
}

// Random marks and selections against a column-by-column reading of the
// marks and the selection, in both dump styles.
TEST(StyledLineTest, RunsAgreeWithEveryColumnsOwnStyle) {
    std::mt19937 random(7);
    const ByteBuffer bytes = Sequence(16 * 6 + 5);
    for (const DumpStyle style : {DumpStyle::kSingleFile, DumpStyle::kPane}) {
        const DumpText dump(bytes, style);
        const DumpLayout layout = dump.layout();
        for (int round = 0; round < 200; ++round) {
            MarkStore marks;
            for (int k = 0; k < 6; ++k) {
                const Offset a = random() % bytes.size();
                marks.Paint(a, a + random() % 20,
                            static_cast<MarkColor>(random() % kMarkColorCount));
            }
            const TextSelection selection{static_cast<Offset>(random() % (dump.Length() + 1)),
                                          static_cast<Offset>(random() % (dump.Length() + 1))};
            for (Offset line = 0; line < dump.LineCount(); ++line) {
                const StyledLine styled = StyleDumpLine(dump, marks, line, selection);
                ASSERT_EQ(styled.text, dump.LineText(line));
                const std::vector<CellStyle> styles = ColumnStyles(styled);
                const Offset start = dump.LineStart(line);
                for (int column = 0; column < static_cast<int>(styles.size()); ++column) {
                    const Offset pos = start + column;
                    Offset byte = layout.TextPosToByte(pos);
                    if (column >= kCharColumn)
                        byte = (line - dump.FirstDataTextLine()) * 16 + column - kCharColumn;
                    const bool digit = IsHighDigitCol(column) || IsLowDigitCol(column);
                    const MarkColor color =
                        line >= dump.FirstDataTextLine() && (digit || column >= kCharColumn)
                            ? marks.ColorAt(byte)
                            : MarkColor::kBlack;
                    const CellStyle expected{
                        pos >= selection.min() && pos < selection.max(),
                        line == dump.HeaderTextLine() && IsHeaderLabelColumn(column), color};
                    ASSERT_EQ(styles[column], expected) << line << ":" << column;
                }
            }
        }
    }
}

}  // namespace
}  // namespace orvel
