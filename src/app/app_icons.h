#pragma once

#include <QIcon>

#include "app/command_ids.h"

// The 16 x 15 pixel toolbar picture of a command, drawn in code at 1x and
// 2x so it stays crisp on high-density screens. A null icon for a command
// without a button.
[[nodiscard]] QIcon CommandIcon(orvel::Cmd cmd);

// The program's own icon: a page of hex digits.
[[nodiscard]] QIcon ApplicationIcon();
