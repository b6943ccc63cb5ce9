#include "view/export_command.h"

#include <QPointer>
#include <QWidget>
#include <cerrno>

#include "jobs/document_job.h"
#include "ui/file_filter.h"
#include "ui/shell_services.h"
#include "ui/user_prompts.h"
#include "view/dump_export.h"
using orvel::Offset;

namespace {

struct ExportResult {
    bool ok = false;
    orvel::FileError error;
};

}  // namespace

void ExportDumpText(ShellServices& shell, QWidget* parent, const orvel::DumpText& text,
                    DocumentJob& job) {
    UserPrompts::FileDialog dialog{QStringLiteral("Select the file to save the hex display"),
                                   DialogFilterText(orvel::kTextFilesFilter), QStringLiteral("txt"),
                                   QString()};
    const QString path = shell.prompts().SaveFileName(parent, dialog);
    if (path.isEmpty())
        return;
    DocumentJob::Setup setup;
    setup.label = QStringLiteral("Exporting");
    setup.stoppable = true;
    setup.total = text.Length();
    setup.waitCursor = true;
    job.Start(
        DocumentJob::Kind::kExport, setup,
        [text, target = path.toStdString()](JobContext& context) {
            ExportResult result;
            // Esc counts until the file takes the target's place.
            result.ok = orvel::WriteDumpTextFile(
                text, target, result.error, [&context](Offset done, Offset total) {
                    context.progress().Set(done, total);
                    return done < total ? !context.StopAsked() : context.GoOn();
                });
            return result;
        },
        // The window may have closed meanwhile, with the document staying.
        [&shell, parent = QPointer<QWidget>(parent), path](const ExportResult& result) {
            if (result.ok || result.error.code == ECANCELED)
                return;
            shell.prompts().Tell(parent.data(), QString::fromStdString(orvel::ExportErrorMessage(
                                                    path.toStdString(), result.error.text)));
        });
}
