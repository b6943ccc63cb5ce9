#pragma once

#include <QLineEdit>

#include "editing/number_text.h"

// The entry fields of the block dialogs. A typed character reaches the field
// only when it is a digit of the field's kind (or an editing key); any other
// character is refused with a beep. Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z always
// act on the field itself. Pasted text is not filtered: the dialog's checks on
// OK test it again.
class DigitEdit : public QLineEdit {
    Q_OBJECT
  public:
    [[nodiscard]] orvel::NumberBase kind() const { return kind_; }

  signals:
    // A typed character was refused (after the beep).
    void refused();

  protected:
    DigitEdit(orvel::NumberBase kind, QWidget* parent);
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    orvel::NumberBase kind_;
};

// Accepts 0-9, A-F and a-f.
class CHexEdit final : public DigitEdit {
    Q_OBJECT
  public:
    explicit CHexEdit(QWidget* parent = nullptr) : DigitEdit(orvel::NumberBase::kHex, parent) {}
};

// Accepts 0-9.
class CDecimalEdit final : public DigitEdit {
    Q_OBJECT
  public:
    explicit CDecimalEdit(QWidget* parent = nullptr)
        : DigitEdit(orvel::NumberBase::kDecimal, parent) {}
};
