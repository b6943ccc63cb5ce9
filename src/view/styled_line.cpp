#include "view/styled_line.h"

#include <algorithm>
#include <array>

#include "view/dump_text.h"
#include "view/mark_store.h"

namespace orvel {

bool IsHeaderLabelColumn(int column) {
    if (column >= kCharColumn && column < kCharColumn + 16)
        return true;
    return IsHighDigitCol(column) || IsLowDigitCol(column);
}

StyledLine StyleDumpLine(const DumpText& dump, const MarkStore& marks, Offset textLine,
                         TextSelection selection) {
    StyledLine line{dump.LineText(textLine), {}, false};
    const int length = static_cast<int>(line.text.size());
    const Offset lineStart = dump.LineStart(textLine);
    const bool header = textLine == dump.HeaderTextLine();

    std::array<MarkColor, kLineStride> colors{};
    const Offset dataLine = textLine - dump.FirstDataTextLine();
    if (!marks.empty() && dataLine >= 0) {
        const Offset first = dataLine * 16;
        marks.Runs(first, first + 15, [&](const PaintRun& run) {
            for (Offset byte = run.first; byte <= run.last; ++byte) {
                const int k = static_cast<int>(byte - first);
                const ByteCols cols = ByteInLineToCols(k);
                colors[cols.high] = colors[cols.low] = colors[kCharColumn + k] = run.color;
            }
            return true;
        });
    }

    const Offset selFirst = std::clamp<Offset>(selection.min() - lineStart, 0, length + 1);
    const Offset selLast = std::clamp<Offset>(selection.max() - lineStart, 0, length + 1);
    const auto styleAt = [&](int column) {
        return CellStyle{column >= selFirst && column < selLast,
                         header && IsHeaderLabelColumn(column), colors[column]};
    };
    for (int column = 0; column < length;) {
        const CellStyle style = styleAt(column);
        int end = column + 1;
        while (end < length && styleAt(end) == style)
            ++end;
        line.runs.push_back({column, end, style});
        column = end;
    }
    line.breakSelected = selFirst <= length && selLast > length && textLine + 1 < dump.LineCount();
    return line;
}

}  // namespace orvel
