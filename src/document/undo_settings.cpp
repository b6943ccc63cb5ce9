#include "document/undo_settings.h"

#include <QSettings>

#include "app/orvel_app.h"

void ConnectEditHistory(orvel::BinaryDocument& doc, std::function<QWidget*()> parent) {
    bool valid = false;
    const qint64 budget = QSettings().value(QLatin1String(kUndoBudgetKey)).toLongLong(&valid);
    if (valid && budget >= 0)
        doc.setUndoBudget(budget);
    doc.setTooLargeQuestion([parent = std::move(parent)] {
        return COrvelApp::instance()->prompts().Ask(
                   parent(), QString::fromLatin1(kTooLargeToUndoQuestion),
                   UserPrompts::Buttons::YesNo,
                   UserPrompts::Icon::Warning) == UserPrompts::Answer::Yes;
    });
}
