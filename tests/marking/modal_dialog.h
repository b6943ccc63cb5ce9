#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

#include <gtest/gtest.h>

// Runs `fill` on the modal dialog of type D that the next command opens, as
// soon as its event loop runs; `fill` must close the dialog. Anything else
// found modal is rejected, so a test can never hang on it.
template <class D>
void OnModalDialog(std::function<void(D&)> fill) {
    QTimer::singleShot(0, [fill = std::move(fill)] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<D*>(modal);
        if (dialog == nullptr) {
            ADD_FAILURE() << "the expected dialog did not open";
            if (auto* other = qobject_cast<QDialog*>(modal))
                other->reject();
            return;
        }
        fill(*dialog);
    });
}
