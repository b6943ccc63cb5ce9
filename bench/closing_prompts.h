#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "ui/user_prompts.h"

namespace orvel::bench {

// The prompts of a window benchmark: every question is answered No, and a
// comparison's summary is closed as soon as it shows, which ends the comparison.
class ClosingPrompts final : public UserPrompts {
  public:
    Answer Ask(QWidget*, const QString&, Buttons, Icon) override { return Answer::kNo; }
    QString OpenFileName(QWidget*, const FileDialog&) override { return {}; }
    QString SaveFileName(QWidget*, const FileDialog&) override { return {}; }
    std::optional<QFont> ChooseFixedFont(QWidget*, const QFont&) override { return std::nullopt; }
    void Notify(QWidget*, const QString& text, std::function<void()> closed) override {
        summary = text;
        if (closed)
            closed();
    }
    QString summary;  // the last one shown
};

}  // namespace orvel::bench
