#include "document/overwrite_prompt.h"

#include "document/file_stamp.h"
#include "ui/user_prompts.h"

bool ConfirmOverwriteOfChangedFile(UserPrompts& prompts, QWidget* parent, bool changedOnDisk,
                                   const QString& path) {
    if (!changedOnDisk)
        return true;
    const QString question =
        QString::fromStdString(orvel::OverwriteChangedFileQuestion(path.toStdString()));
    return prompts.Ask(parent, question, UserPrompts::Buttons::kYesNo,
                       UserPrompts::Icon::kWarning) == UserPrompts::Answer::kYes;
}
