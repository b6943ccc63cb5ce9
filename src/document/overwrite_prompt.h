#pragma once

#include <QString>

class QWidget;

// Before a save that would overwrite changes another program made to the
// file at `path` (`changedOnDisk`): asks whether to overwrite it (Yes/No).
// True when the save may go on.
[[nodiscard]] bool ConfirmOverwriteOfChangedFile(QWidget* parent, bool changedOnDisk,
                                                 const QString& path);
