#pragma once

#include <functional>

#include "document/binary_document.h"

class QWidget;
class ShellServices;

// The settings key of the undo history's memory budget, in bytes. Without a
// valid value the history keeps its default budget.
inline constexpr char kUndoBudgetKey[] = "Undo/MemoryBudget";

// The question asked before a change whose undo data would exceed the budget.
inline constexpr char kTooLargeToUndoQuestion[] =
    "This change is too large to be undone. Make it anyway?";

// Connects a document's undo history to the shell: its memory budget from the
// settings store, and the question before a change too large to be undone,
// asked (Yes/No) in a message box over `parent()`.
void ConnectEditHistory(ShellServices& shell, orvel::BinaryDocument& doc,
                        std::function<QWidget*()> parent);
