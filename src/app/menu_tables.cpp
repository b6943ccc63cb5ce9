#include "app/menu_tables.h"

#include <algorithm>
#include <array>

#include "app/command_catalog.h"

namespace orvel {
namespace {

constexpr CommandId kSep = Cmd::None;

constexpr CommandId kSingleFileMenu[] = {
    Cmd::FileNew,
    Cmd::FileOpen,
    kSep,
    Cmd::FileCompare,
    kSep,
    Cmd::FileImportHexText,
    Cmd::FileExportHexText,
    kSep,
    Cmd::FileClose,
    kSep,
    Cmd::FileSave,
    Cmd::FileSaveAs,
    kSep,
    Cmd::FilePrint,
    Cmd::FilePrintSetup,
    kSep,
    Cmd::FileRecent,
    kSep,
    Cmd::FileExit,
};

constexpr CommandId kComparisonFileMenu[] = {
    Cmd::FileNew,
    Cmd::FileOpen,
    kSep,
    Cmd::FileCompare,
    kSep,
    Cmd::FileImportHexText,
    Cmd::FileExportHexText,
    kSep,
    Cmd::FileClose,
    kSep,
    Cmd::FileSaveFile1,
    Cmd::FileSaveFile1As,
    kSep,
    Cmd::FileSaveFile2,
    Cmd::FileSaveFile2As,
    kSep,
    Cmd::FilePrint,
    Cmd::FilePrintSetup,
    kSep,
    Cmd::FileRecent,
    kSep,
    Cmd::FileExit,
};

constexpr CommandId kEditMenu[] = {
    Cmd::EditUndo,
    Cmd::EditRedo,
    kSep,
    Cmd::EditFind,
    Cmd::EditSearch,
    Cmd::RepeatFind,
    Cmd::FindPrevious,
    Cmd::EditReplaceBytes,
    Cmd::EditReverseSeq,
    kSep,
    Cmd::EditCutBytes,
    Cmd::EditCopyBytes,
    Cmd::EditPasteBytes,
    Cmd::EditDeleteBytes,
    kSep,
    Cmd::EditInsertBytes,
    kSep,
    Cmd::EditSelectAll,
    Cmd::EditSelectBytes,
    Cmd::EditGoTo,
};

constexpr CommandId kSingleFileOperations[] = {
    Cmd::OpBitwiseShift,
    Cmd::OpBitwiseMask,
    Cmd::OpOnesComplement,
    Cmd::OpTwosComplement,
};

constexpr CommandId kComparisonOperations[] = {
    Cmd::OpBitwiseShift,
    Cmd::OpBitwiseMask,
    Cmd::OpOnesComplement,
    Cmd::OpTwosComplement,
    kSep,
    Cmd::OpStartCompare,
    Cmd::OpStopCompare,
    Cmd::OpCompareAligned,
    kSep,
    Cmd::OpFindNextDiff,
    Cmd::OpFindPrevDiff,
    kSep,
    Cmd::OpCopyToOtherFile,
};

constexpr CommandId kMarkMenu[] = {
    Cmd::MarkBytes, Cmd::MarkBlocks, Cmd::MarkPatterns, Cmd::MarkUnits, kSep, Cmd::MarkClear,
};

constexpr CommandId kViewMenu[] = {
    Cmd::ViewToolbar,           Cmd::ViewStatusBar, Cmd::ViewDataInspector, kSep,
    Cmd::ViewMarksAsBackground, Cmd::ViewFont,
};
constexpr CommandId kComparisonViewMenu[] = {
    Cmd::ViewToolbar,
    Cmd::ViewStatusBar,
    Cmd::ViewDataInspector,
    kSep,
    Cmd::ViewMarksAsBackground,
    Cmd::ViewFont,
    kSep,
    Cmd::ViewSyncPanes,
};

constexpr CommandId kWindowMenu[] = {
    Cmd::WindowNew,
    Cmd::WindowCascade,
    Cmd::WindowTile,
    Cmd::WindowArrange,
};

constexpr CommandId kHelpMenu[] = {
    Cmd::HelpTopics, kSep, Cmd::HelpAbout, kSep, Cmd::HelpAsciiTable, Cmd::HelpNotationConvert,
};

// The two menu bars differ in their File, Operations and View menus.
constexpr std::array<Menu, 7> MenuBarOf(std::span<const CommandId> file,
                                        std::span<const CommandId> operations,
                                        std::span<const CommandId> view) {
    return {Menu{"&File", file},      Menu{"&Edit", kEditMenu}, Menu{"&Operations", operations},
            Menu{"&Mark", kMarkMenu}, Menu{"&View", view},      Menu{"&Window", kWindowMenu},
            Menu{"&Help", kHelpMenu}};
}

constexpr std::array kSingleFileBar = MenuBarOf(kSingleFileMenu, kSingleFileOperations, kViewMenu);
constexpr std::array kComparisonBar =
    MenuBarOf(kComparisonFileMenu, kComparisonOperations, kComparisonViewMenu);

// The commands in the order the accelerator table lists their keys.
constexpr CommandId kAcceleratorOrder[] = {
    Cmd::EditSelectAll,  Cmd::EditSelectBytes,  Cmd::EditCopyBytes,    Cmd::EditFind,
    Cmd::EditGoTo,       Cmd::EditReplaceBytes, Cmd::MarkClear,        Cmd::FileNew,
    Cmd::FileOpen,       Cmd::FilePrint,        Cmd::EditReverseSeq,   Cmd::FileSave,
    Cmd::EditPasteBytes, Cmd::EditCutBytes,     Cmd::EditDeleteBytes,  Cmd::EditInsertBytes,
    Cmd::EditUndo,       Cmd::EditRedo,         Cmd::ObjectProperties, Cmd::HelpTopics,
    Cmd::HelpContext,    Cmd::RepeatFind,       Cmd::NextPane,         Cmd::PrevPane,
    Cmd::OpFindNextDiff, Cmd::OpFindPrevDiff,   Cmd::Escape,
};

void AppendKeys(const CommandInfo& info, std::vector<Accelerator>& keys) {
    for (const std::string_view key : info.keys) {
        if (!key.empty())
            keys.push_back({key, info.id});
    }
}

}  // namespace

std::span<const Menu> MenuBar(MenuBarKind kind) {
    if (kind == MenuBarKind::kSingleFile)
        return kSingleFileBar;
    return kComparisonBar;
}

std::vector<Accelerator> Accelerators(const CommandRegistry& registry) {
    std::vector<Accelerator> keys;
    for (const CommandId id : kAcceleratorOrder) {
        if (const CommandRegistry::Row* row = registry.Find(id))
            AppendKeys(row->info, keys);
    }
    for (const CommandRegistry::Row& row : registry.rows()) {
        if (std::find(std::begin(kAcceleratorOrder), std::end(kAcceleratorOrder), row.info.id) ==
            std::end(kAcceleratorOrder))
            AppendKeys(row.info, keys);
    }
    return keys;
}

}  // namespace orvel
