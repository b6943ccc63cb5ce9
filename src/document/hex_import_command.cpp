#include "document/hex_import_command.h"

#include "document/binary_document.h"
#include "document/hex_import.h"
#include "ui/file_filter.h"
#include "ui/user_prompts.h"
#include "ui/wait_cursor.h"

bool ImportHexTextIntoDocument(UserPrompts& prompts, QWidget* parent, orvel::BinaryDocument& data) {
    const QString path = prompts.OpenFileName(
        parent, {QStringLiteral("Select file for importing hex values text"),
                 DialogFilterText(orvel::kTextFilesFilter), QStringLiteral("txt"), QString()});
    if (path.isEmpty())
        return false;
    orvel::ByteBuffer bytes;
    orvel::ImportError error;
    bool imported;
    {
        WaitCursor wait;
        imported = orvel::ImportHexTextFile(path.toStdString(), bytes, error);
        if (imported)
            data.AssignBytes(std::move(bytes), true);
    }
    if (!imported) {
        prompts.Tell(parent,
                     QString::fromStdString(orvel::ImportErrorMessage(path.toStdString(), error)));
    }
    return imported;
}
