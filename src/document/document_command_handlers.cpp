#include "document/document_command_handlers.h"

#include "document/document_command_table.h"
#include "document/orvel_doc.h"

namespace Cmd = orvel::Cmd;
using orvel::On;

void BindDocumentCommands(orvel::CommandRegistry& registry) {
    registry.Bind(Cmd::FileSave, On<COrvelDoc>([](COrvelDoc& doc) { doc.Save(); }));
    registry.Bind(Cmd::FileSaveAs, On<COrvelDoc>([](COrvelDoc& doc) { doc.SaveAs(); }));
}
