#pragma once

#include <QString>

class QWidget;
class UserPrompts;

// Before a save that would overwrite changes another program made to the
// file at `path` (`changedOnDisk`): asks whether to overwrite it (Yes/No).
// True when the save may go on.
[[nodiscard]] bool ConfirmOverwriteOfChangedFile(UserPrompts& prompts, QWidget* parent,
                                                 bool changedOnDisk, const QString& path);
