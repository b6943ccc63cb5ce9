#include "document/document_command_table.h"

namespace orvel {
namespace {

constexpr CommandInfo kCommands[] = {
    {Cmd::FileSave,
     "&Save\tCtrl+S",
     "Save the active document",
     "Save",
     {"Ctrl+S"},
     Waits::kWhileBusy},
    {Cmd::FileSaveAs,
     "Save &As...",
     "Save the active document with a new name",
     "Save As",
     {},
     Waits::kWhileBusy},
};

}  // namespace

std::span<const CommandInfo> DocumentCommandTable() {
    return kCommands;
}

}  // namespace orvel
