#pragma once

#include <QString>

class QWidget;

// The title of a document window with its modified marker: `title` and Qt's
// "[*]", which the title bar shows as "*" while `modified` holds. Sets only
// what changed, so that it costs nothing per keystroke.
void ShowTitle(QWidget& window, const QString& title, bool modified);

// The title as the title bar shows it: the marker as "*" or nothing.
[[nodiscard]] QString TitleAsShown(const QWidget& window);
