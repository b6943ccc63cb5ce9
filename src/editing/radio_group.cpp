#include "editing/radio_group.h"

#include <QAbstractButton>
#include <QKeyEvent>

RadioGroup::RadioGroup(QObject* parent) : QButtonGroup(parent) {
    setExclusive(true);
    connect(this, &QButtonGroup::buttonToggled, this, &RadioGroup::UpdateTabStop);
}

void RadioGroup::Add(QAbstractButton* button, int id) {
    addButton(button, id);
    button->installEventFilter(this);
    UpdateTabStop();
}

// The other buttons still take the focus when clicked.
void RadioGroup::UpdateTabStop() {
    const QList<QAbstractButton*> all = buttons();
    QAbstractButton* stop = checkedButton() != nullptr ? checkedButton() : all.value(0);
    for (QAbstractButton* button : all)
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool RadioGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    int step = 0;
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Left)
        step = -1;
    else if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Right)
        step = 1;
    const QList<QAbstractButton*> all = buttons();
    const auto from = all.indexOf(qobject_cast<QAbstractButton*>(watched));
    if (step == 0 || from < 0)
        return false;
    const auto count = all.size();
    for (qsizetype i = 1; i < count; ++i) {
        QAbstractButton* next = all[((from + step * i) % count + count) % count];
        if (!next->isEnabled() || next->isHidden())
            continue;
        next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        next->click();
        break;
    }
    return true;
}
