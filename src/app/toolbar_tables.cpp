#include "app/toolbar_tables.h"

#include <array>

namespace orvel {
namespace {

constexpr Cmd kMainButtons[] = {
    Cmd::FileNew,       Cmd::FileOpen,       Cmd::FileCompare,   Cmd::None,      Cmd::FileSave,
    Cmd::None,          Cmd::FileSaveFile1,  Cmd::FileSaveFile2, Cmd::None,      Cmd::EditCutBytes,
    Cmd::EditCopyBytes, Cmd::EditPasteBytes, Cmd::None,          Cmd::FilePrint,
};

constexpr Cmd kMarkButtons[] = {
    Cmd::MarkBytes, Cmd::MarkBlocks, Cmd::MarkPatterns, Cmd::MarkUnits, Cmd::None, Cmd::MarkClear,
};

constexpr std::array kToolbars = {
    Toolbar{"Main toolbar", 128, kMainButtons},
    Toolbar{"Mark Toolbar", 153, kMarkButtons},
};

}  // namespace

std::span<const Toolbar> Toolbars() {
    return kToolbars;
}

}  // namespace orvel
