#include "document/undo_settings.h"

#include <QSettings>

#include "ui/shell_services.h"
#include "ui/user_prompts.h"

void ConnectEditHistory(ShellServices& shell, orvel::BinaryDocument& doc,
                        std::function<QWidget*()> parent) {
    bool valid = false;
    const qint64 budget = shell.settings().value(QLatin1String(kUndoBudgetKey)).toLongLong(&valid);
    if (valid && budget >= 0)
        doc.setUndoBudget(budget);
    doc.setTooLargeQuestion([&shell, parent = std::move(parent)] {
        return shell.prompts().Ask(parent(), QString::fromLatin1(kTooLargeToUndoQuestion),
                                   UserPrompts::Buttons::kYesNo,
                                   UserPrompts::Icon::kWarning) == UserPrompts::Answer::kYes;
    });
}
