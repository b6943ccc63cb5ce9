#include "view/view_command_handlers.h"

#include <utility>

#include "ui/wait_cursor.h"
#include "view/export_command.h"
#include "view/orvel_view.h"
#include "view/undo_commands.h"
#include "view/view_command_table.h"

namespace Cmd = orvel::Cmd;
using orvel::On;

void BindViewCommands(orvel::CommandRegistry& registry) {
    registry.Bind(Cmd::FileExportHexText, On<COrvelView>([](COrvelView& view) {
                      ExportDumpText(view.shell(), view.window(), view.dump(), view.documentJob());
                  }));
    registry.Bind(Cmd::FilePrint, On<COrvelView>([](COrvelView& view) { view.Print(); }));
    registry.Bind(Cmd::EditSelectAll, On<COrvelView>([](COrvelView& view) {
                      view.SetSelection({0, view.dump().Length()});
                  }));
    // The bytes, and so the document's modified state, stay as they are.
    registry.Bind(Cmd::MarkClear, On<COrvelView>([](COrvelView& view) {
                      WaitCursor wait;
                      view.ClearAllMarks();
                  }));
    for (const auto& entry :
         {std::pair{Cmd::EditUndo, Replay::kUndo}, std::pair{Cmd::EditRedo, Replay::kRedo}}) {
        const Replay replay = entry.second;
        registry.Bind(entry.first,
                      On<COrvelView>([replay](COrvelView& view) { ReplayStep(view, replay); },
                                     [replay](COrvelView& view, orvel::CommandState& state) {
                                         UpdateReplay(view, replay, state);
                                     }));
    }
}
