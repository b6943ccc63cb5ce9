#include "ui/window_title.h"

#include <QWidget>

namespace {

constexpr QLatin1String kMarker("[*]");

}  // namespace

void ShowTitle(QWidget& window, const QString& title, bool modified) {
    const QString marked = title + kMarker;
    if (window.windowTitle() != marked)
        window.setWindowTitle(marked);
    if (window.isWindowModified() != modified)
        window.setWindowModified(modified);
}

QString TitleAsShown(const QWidget& window) {
    QString title = window.windowTitle();
    return title.replace(kMarker, window.isWindowModified() ? QStringLiteral("*") : QString());
}
