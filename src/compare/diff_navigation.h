#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "compare/compare_engine.h"
#include "view/dump_layout.h"

namespace orvel {

// Difference navigation: the commands that walk from one differing offset of the
// two files to the next. They compare the arrays as they are (never the surplus
// of the longer file) and run on the GUI thread while no worker runs.

enum class DiffCommand { kNext, kPrev, kFirst, kLast };

inline constexpr char kClickToStartText[] =
    "Please click to select the byte where you want to start your search first!";
// The first pane's Find Prev Diff words it slightly differently.
inline constexpr char kClickToStartPrevFirstPaneText[] =
    "Please click to select the byte where you want to start the search first!";

// The byte a Next or Prev search starts from: the start of the pane's selection
// snapped forward to a byte's high digit (a position in the header, an address or
// the character column gives none); -1 when there is none. Works in the
// comparison pane's text positions (first data position 156).
[[nodiscard]] Offset DiffStartByte(TextSelection paneSelection);

// The searches over the common length of `a` and `b`. `start` is the caret's
// byte (>= 0); a start equal to `lastDiff` steps over that byte. Each returns the
// offset found, or -1 when there is no difference in that direction.
[[nodiscard]] Offset FindNextDiff(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                                  Offset start, Offset lastDiff);
[[nodiscard]] Offset FindPrevDiff(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                                  Offset start, Offset lastDiff);
[[nodiscard]] Offset FindFirstDiff(std::span<const std::uint8_t> a,
                                   std::span<const std::uint8_t> b);
[[nodiscard]] Offset FindLastDiff(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b);

struct DiffNavigation {
    enum class Outcome {
        kFound,         // select `offset` in both panes (each in its difference colour)
        kNothing,       // no difference that way: do and say nothing
        kClickRequest,  // show `message` (OK button) and do nothing else
    };
    Outcome outcome = Outcome::kNothing;
    Offset offset = -1;
    std::string message;
};

// One navigation command given in `pane`, whose selection is `paneSelection`
// (ignored by First and Last). On Found, `lastDiff` (the document's m_nLastDiff)
// becomes the offset found.
[[nodiscard]] DiffNavigation NavigateDiff(DiffCommand command, ComparedFile pane,
                                          TextSelection paneSelection,
                                          std::span<const std::uint8_t> a,
                                          std::span<const std::uint8_t> b, Offset& lastDiff);

}  // namespace orvel
