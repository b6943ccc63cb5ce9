#include "editing/hex_edit.h"

#include <QApplication>
#include <QKeyEvent>

#include "editing/validators.h"

namespace {

// Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z: the field's own clipboard and undo keys.
bool IsFieldKey(const QKeyEvent& event) {
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return false;
    const int key = event.key();
    return key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_X || key == Qt::Key_Z;
}

}  // namespace

DigitEdit::DigitEdit(orvel::NumberBase kind, QWidget* parent) : QLineEdit(parent), kind_(kind) {}

// The field keeps its clipboard keys even where a window's shortcut uses them.
bool DigitEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && IsFieldKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void DigitEdit::keyPressEvent(QKeyEvent* event) {
    if (IsFieldKey(*event)) {
        switch (event->key()) {
            case Qt::Key_C:
                copy();
                return event->accept();
            case Qt::Key_V:
                paste();
                return event->accept();
            case Qt::Key_X:
                cut();
                return event->accept();
            default:
                undo();
                return event->accept();
        }
    }
    const QString text = event->text();
    // Keys without a printable character (Backspace, arrows, Delete, Tab) edit as usual.
    if (text.size() != 1 || !text[0].isPrint())
        return QLineEdit::keyPressEvent(event);
    const char16_t c = text[0].unicode();
    const bool digit = c < 0x80 && (kind_ == orvel::NumberBase::kHex
                                        ? orvel::IsHexDigit(static_cast<char>(c))
                                        : orvel::IsDecimalDigit(static_cast<char>(c)));
    if (digit)
        return QLineEdit::keyPressEvent(event);
    event->accept();
    QApplication::beep();
    emit refused();
}
