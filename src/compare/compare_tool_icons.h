#pragma once

#include <QIcon>

#include "ui/command_id.h"

// The 16 x 15 pixel images of the comparison toolbar's buttons: Start Compare
// (a magnifier in a frame), Stop Compare (a magnifier), Find Prev/Next Diff
// (an arrow up/down), Find First/Last Diff (an arrow up/down to a bar).
// Drawn here, so the program carries no image files for them.
[[nodiscard]] QIcon CompareToolIcon(orvel::CommandId cmd);
