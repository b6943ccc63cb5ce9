#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/offset.h"
#include "editing/field_checks.h"

class DigitEdit;
class QWidget;
class UserPrompts;

// The Qt side of the field tables (field_checks.h): the edit for a field row,
// and running a table on a dialog's edits. GUI thread only.

// A hex or decimal edit for `field`, limited to its length.
[[nodiscard]] DigitEdit* CreateFieldEdit(const orvel::FieldRow& field, QWidget* parent = nullptr);

// The texts of `edits`, in their order.
[[nodiscard]] std::vector<std::string> FieldTexts(std::span<DigitEdit* const> edits);

// Shows the fault's message in a message box with only an OK button, then
// gives its edit the focus with the whole text selected.
void ReportFieldFault(const orvel::FieldFault& fault, std::span<DigitEdit* const> edits,
                      QWidget* dialog, UserPrompts& prompts);

// Runs `table` on `edits` (one per field of the table, in its order) and
// reports the first fault; the texts when every check passed.
[[nodiscard]] std::optional<std::vector<std::string>> CheckFieldEdits(
    const orvel::FieldTable& table, std::span<DigitEdit* const> edits, orvel::Offset fileSize,
    QWidget* dialog, UserPrompts& prompts);
