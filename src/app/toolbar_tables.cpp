#include "app/toolbar_tables.h"

#include <array>

#include "app/command_catalog.h"
#include "app/menu_tables.h"

namespace orvel {
namespace {

constexpr CommandId kMainButtons[] = {
    Cmd::FileNew,       Cmd::FileOpen,       Cmd::FileCompare,   Cmd::None,      Cmd::FileSave,
    Cmd::None,          Cmd::FileSaveFile1,  Cmd::FileSaveFile2, Cmd::None,      Cmd::EditCutBytes,
    Cmd::EditCopyBytes, Cmd::EditPasteBytes, Cmd::None,          Cmd::FilePrint,
};

constexpr CommandId kMarkButtons[] = {
    Cmd::MarkBytes, Cmd::MarkBlocks, Cmd::MarkPatterns, Cmd::MarkUnits, Cmd::None, Cmd::MarkClear,
};

constexpr std::array kToolbars = {
    Toolbar{"Main toolbar", 128, kMainButtons},
    Toolbar{"Mark Toolbar", 153, kMarkButtons},
};

// A separator between any two buttons.
constexpr CommandId kCompareButtons[] = {
    Cmd::OpStartCompare, Cmd::None, Cmd::OpStopCompare,   Cmd::None, Cmd::OpFindPrevDiff, Cmd::None,
    Cmd::OpFindNextDiff, Cmd::None, Cmd::OpFindFirstDiff, Cmd::None, Cmd::OpFindLastDiff,
};

constexpr Toolbar kCompareToolbar{"Compare Files", 0, kCompareButtons};

}  // namespace

std::span<const Toolbar> Toolbars() {
    return kToolbars;
}

const Toolbar& CompareToolbar() {
    return kCompareToolbar;
}

}  // namespace orvel
