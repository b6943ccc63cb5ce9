#include "document/overwrite_prompt.h"

#include "app/orvel_app.h"
#include "document/file_stamp.h"

bool ConfirmOverwriteOfChangedFile(QWidget* parent, bool changedOnDisk, const QString& path) {
    if (!changedOnDisk)
        return true;
    const QString question =
        QString::fromStdString(orvel::OverwriteChangedFileQuestion(path.toStdString()));
    return COrvelApp::instance()->prompts().Ask(parent, question, UserPrompts::Buttons::YesNo,
                                                UserPrompts::Icon::Warning) ==
           UserPrompts::Answer::Yes;
}
