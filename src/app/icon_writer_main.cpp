// orvel-icon-writer: a build tool that writes the program's icon as PNG files
// for the desktop's icon theme, DIR/NxN/apps/orvel.png in every size of
// kApplicationIconSizes.
#include "app/app_icons.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: orvel-icon-writer DIR\n", stderr);
        return 2;
    }
    // The build has no display; the digits on the icon need fonts, not a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (const int size : kApplicationIconSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        const QString path = folder + QStringLiteral("/orvel.png");
        if (!QDir().mkpath(folder) || !ApplicationIconImage(size).save(path, "PNG")) {
            std::fprintf(stderr, "orvel-icon-writer: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
