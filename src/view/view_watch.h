#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <functional>

class COrvelView;

// Watches one hex view for what shows its place and bytes elsewhere (the
// status bar, the data inspector): tells `changed` once per turn of the event
// loop after the caret or selection moved or the bytes changed, however many
// moves and edits came in that turn. GUI thread only.
class ViewWatch final : public QObject {
    Q_OBJECT
  public:
    ViewWatch(std::function<void()> changed, QObject* parent);

    // Watches `view` from now on (null: none); false when it was the one
    // watched already.
    bool Watch(COrvelView* view);
    // The view watched; null once it is gone.
    [[nodiscard]] COrvelView* view() const;

  private:
    void Schedule();

    std::function<void()> changed_;
    QPointer<COrvelView> view_;
    QMetaObject::Connection moved_;
    QMetaObject::Connection edited_;
    bool scheduled_ = false;
};
