#pragma once

#include <QString>
#include <string_view>

// Text from the core (UTF-8, of which ASCII is a part) for Qt. The way back is
// QString::toStdString, which gives UTF-8 too.
[[nodiscard]] inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
