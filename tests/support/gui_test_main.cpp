// The widget tests: one application with its main frame, offscreen, with the
// settings kept in a temporary folder.
#include <gtest/gtest.h>

#include <QSettings>

#include "app/orvel_app.h"
#include "support/temp_dir.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    orvel::test::TempDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settingsDir.path().string()));
    COrvelApp app(argc, argv);
    app.InitInstance();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
