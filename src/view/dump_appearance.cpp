#include "view/dump_appearance.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QSettings>

namespace {

constexpr char kFontKey[] = "View/Font";
constexpr char kMarksAsBackgroundKey[] = "View/MarksAsBackground";

}  // namespace

DumpAppearance::DumpAppearance(QSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings), font_(DefaultFont()) {
    QFont stored;
    if (settings_.contains(kFontKey) && stored.fromString(settings_.value(kFontKey).toString()) &&
        QFontInfo(stored).fixedPitch())
        font_ = stored;
    if (settings_.value(kMarksAsBackgroundKey, false).toBool())
        markDisplay_ = orvel::MarkDisplay::kBackground;
}

QFont DumpAppearance::DefaultFont() {
    QFont font(QStringLiteral("Courier"));
    font.setPointSize(10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(10);
    }
    return font;
}

void DumpAppearance::setFont(const QFont& font) {
    if (font == font_)
        return;
    font_ = font;
    settings_.setValue(kFontKey, font.toString());
    emit changed();
}

void DumpAppearance::setMarkDisplay(orvel::MarkDisplay display) {
    if (display == markDisplay_)
        return;
    markDisplay_ = display;
    settings_.setValue(kMarksAsBackgroundKey, display == orvel::MarkDisplay::kBackground);
    emit changed();
}
