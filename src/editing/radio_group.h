#pragma once

#include <QButtonGroup>

class QAbstractButton;

// An exclusive group of radio buttons that answers the keys as a native one
// does: Tab stops at its checked button only (at its first while none is
// checked), and the arrow keys move the choice round the group, Up and Left
// to the button before, Down and Right to the one after, checking the button
// they reach as a click would.
class RadioGroup final : public QButtonGroup {
    Q_OBJECT
  public:
    explicit RadioGroup(QObject* parent);

    // Adds `button` as choice `id`; the arrow keys follow the order of the calls.
    void Add(QAbstractButton* button, int id);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void UpdateTabStop();
};
