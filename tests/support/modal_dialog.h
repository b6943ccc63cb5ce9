#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include <gtest/gtest.h>

// Runs `act` on the modal dialog of type D that the next command opens, as
// soon as its event loop runs. Whatever `act` leaves open is rejected, and so
// is a modal window of another kind (a failure), so a test never hangs on it.
template <class D>
void OnModalDialog(std::function<void(D&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<D*>(modal.data());
        if (dialog == nullptr) {
            ADD_FAILURE() << "the expected dialog did not open";
            if (auto* other = qobject_cast<QDialog*>(modal.data()))
                other->reject();
            return;
        }
        act(*dialog);
        if (modal != nullptr && dialog->isVisible())
            dialog->reject();
    });
}
