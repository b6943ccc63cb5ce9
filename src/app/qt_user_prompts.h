#pragma once

#include "ui/user_prompts.h"

// The real message boxes and file dialogs.
class QtUserPrompts final : public UserPrompts {
  public:
    Answer Ask(QWidget* parent, const QString& text, Buttons buttons, Icon icon) override;
    QString OpenFileName(QWidget* parent, const FileDialog& dialog) override;
    QString SaveFileName(QWidget* parent, const FileDialog& dialog) override;
    void Notify(QWidget* parent, const QString& text, std::function<void()> closed) override;
    std::optional<QFont> ChooseFixedFont(QWidget* parent, const QFont& initial) override;
};
