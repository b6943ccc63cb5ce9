#pragma once

#include <QFont>
#include <QObject>

#include "view/mark_color.h"

class QSettings;

// How every hex view draws the dump: its fixed-pitch font and how marks show
// (View > Font..., View > Marks as Background). Kept in the settings store;
// the views follow each change. GUI thread only.
class DumpAppearance : public QObject {
    Q_OBJECT
  public:
    // Reads the settings; a font that is missing, unreadable or not of fixed
    // pitch gives the default font.
    explicit DumpAppearance(QSettings& settings, QObject* parent = nullptr);

    [[nodiscard]] QFont font() const { return font_; }
    [[nodiscard]] orvel::MarkDisplay markDisplay() const { return markDisplay_; }
    // Each stores the choice and tells the views when it differs.
    void setFont(const QFont& font);
    void setMarkDisplay(orvel::MarkDisplay display);

    // Courier 10 pt, or a fixed-pitch face of the same size where Courier is missing.
    [[nodiscard]] static QFont DefaultFont();

  signals:
    void changed();

  private:
    QSettings& settings_;
    QFont font_;
    orvel::MarkDisplay markDisplay_ = orvel::MarkDisplay::kText;
};
