#pragma once

#include <atomic>

namespace orvel {

// The question the close guard asks while a marking run is Running.
inline constexpr char kStopMarkingQuestion[] =
    "You are still in the marking process, do you want to stop marking and close the window?";

// What a marking run says when the marks cannot get the memory they need.
inline constexpr char kMarkingOutOfMemoryText[] =
    "Not enough memory to keep the marks; the marking was stopped.";

// The state of the marking run that may own a document: Idle (0, 1, 0),
// Running kind K (1, 0, K) or Stopping (0, 0, K). A single-file document has
// one; a comparison has one for both of its panes, so that a run in either
// pane holds both. The marking worker reads it without a lock.
struct MarkingState {
    std::atomic<int> m_bMarking{0};
    std::atomic<int> m_bMarkIdle{1};
    std::atomic<int> m_nMarkKind{0};

    // True while no marking run owns the document.
    [[nodiscard]] bool IsMarkIdle() const { return m_bMarking == 0 && m_bMarkIdle == 1; }
};

}  // namespace orvel
