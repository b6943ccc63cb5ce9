#include "editing/edit_command_handlers.h"

#include <string>
#include <utility>

#include "editing/edit_command_table.h"
#include "editing/edit_commands.h"
#include "editing/find_commands.h"
#include "ui/menu_entry.h"

namespace Cmd = orvel::Cmd;
using orvel::DialogId;
using orvel::On;

namespace {

constexpr std::pair<orvel::CommandId, DialogId> kCommandDialogs[] = {
    {Cmd::EditCopyBytes, DialogId::kCopyBytes},
    {Cmd::EditCutBytes, DialogId::kCutBytes},
    {Cmd::EditPasteBytes, DialogId::kPasteBytes},
    {Cmd::EditDeleteBytes, DialogId::kDeleteBytes},
    {Cmd::EditInsertBytes, DialogId::kInsertBytes},
    {Cmd::EditSelectBytes, DialogId::kSelectBytes},
    {Cmd::EditGoTo, DialogId::kGoTo},
    {Cmd::EditReplaceBytes, DialogId::kReplaceBytes},
    {Cmd::EditReverseSeq, DialogId::kReverseSeq},
    {Cmd::OpBitwiseShift, DialogId::kBitwiseShift},
    {Cmd::OpBitwiseMask, DialogId::kMaskBytes},
    {Cmd::OpOnesComplement, DialogId::kOnesComplement},
    {Cmd::OpTwosComplement, DialogId::kTwosComplement},
};

}  // namespace

void BindEditCommands(orvel::CommandRegistry& registry) {
    for (const auto& entry : kCommandDialogs) {
        const DialogId dialog = entry.second;
        // An undo names the command's step after its menu item: "Undo Delete Bytes".
        const std::string step = orvel::MenuName(registry.Find(entry.first)->info.menuText);
        registry.Bind(entry.first, On<COrvelView>([dialog, step](COrvelView& view) {
                          view.part<EditCommands>().Open(dialog, step);
                      }));
    }
    registry.Bind(Cmd::EditFind,
                  On<COrvelView>([](COrvelView& view) { view.part<FindCommands>().OpenDialog(); }));
}
