#pragma once

#include "ui/command_id.h"

#include <QIcon>
#include <QImage>

#include <array>

// The 16 x 15 pixel toolbar picture of a command, drawn in code at 1x and
// 2x so it stays crisp on high-density screens. A null icon for a command
// without a button.
[[nodiscard]] QIcon CommandIcon(orvel::CommandId cmd);

// The sizes the program's icon is drawn in, for the window and the desktop's
// icon theme.
inline constexpr std::array<int, 8> kApplicationIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// The program's own icon, a page of hex digits, drawn `size` pixels square.
// Needs a QGuiApplication (the digits are text).
[[nodiscard]] QImage ApplicationIconImage(int size);

// The program's own icon in every size of kApplicationIconSizes.
[[nodiscard]] QIcon ApplicationIcon();
