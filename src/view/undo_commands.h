#pragma once

class COrvelView;

namespace orvel {
struct CommandState;
}

// Undo and Redo on the bytes of one hex view (each file of a comparison has a
// history of its own).
enum class Replay { kUndo, kRedo };

// Replays the latest step, then selects the bytes it touched and scrolls to
// them; does nothing while there is no step or a worker owns the document.
void ReplayStep(COrvelView& view, Replay replay);
// Available while there is a step to replay; the menu item names it.
void UpdateReplay(COrvelView& view, Replay replay, orvel::CommandState& state);
