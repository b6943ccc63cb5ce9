#include "view/view_command_handlers.h"

#include <utility>

#include "editing/block_kernels.h"
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
    // The hex cells of every byte, so that the block commands take them all.
    registry.Bind(Cmd::EditSelectAll, On<COrvelView>([](COrvelView& view) {
                      const orvel::Offset size = view.data().size();
                      if (size == 0)
                          return view.SetCaret(view.layout().LineColToTextPos(0, 9));
                      view.SetSelection(orvel::SelectBytes(view.layout(), 0, size - 1));
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
