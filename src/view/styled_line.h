#pragma once

#include <string>
#include <vector>

#include "document/offset.h"
#include "view/dump_layout.h"
#include "view/mark_color.h"

namespace orvel {

class DumpText;
class MarkStore;

// How a character cell of the dump is drawn.
struct CellStyle {
    bool selected = false;
    bool underline = false;  // the header's column labels
    MarkColor color = MarkColor::kBlack;
    friend bool operator==(const CellStyle&, const CellStyle&) = default;
};

// Columns [begin, end) of a line, drawn in one style.
struct StyledRun {
    int begin;
    int end;
    CellStyle style;
    friend bool operator==(const StyledRun&, const StyledRun&) = default;
};

// One text line of the dump as the view and the printer draw it: its
// characters, cut into maximal runs of equal style that cover them all, and
// whether its line break is selected (drawn as one selected cell after the text).
struct StyledLine {
    std::string text;
    std::vector<StyledRun> runs;
    bool breakSelected = false;
};

// Styles text line `textLine` of `dump`: a byte's two digits and its character
// cell carry the byte's mark, the header's labels are underlined, and the
// cells inside `selection` are selected (an empty selection selects none).
[[nodiscard]] StyledLine StyleDumpLine(const DumpText& dump, const MarkStore& marks,
                                       Offset textLine, TextSelection selection);

// The columns of the header line that are underlined: the labels "00" to "0F"
// and "0123456789ABCDEF".
[[nodiscard]] bool IsHeaderLabelColumn(int column);

}  // namespace orvel
