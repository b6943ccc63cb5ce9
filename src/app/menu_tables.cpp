#include "app/menu_tables.h"

#include <array>

namespace orvel {
namespace {

constexpr MenuItem kSep{Cmd::None, ""};

constexpr MenuItem kSingleFileMenu[] = {
    {Cmd::FileNew, "&New\tCtrl+N"},
    {Cmd::FileOpen, "&Open...\tCtrl+O"},
    kSep,
    {Cmd::FileCompare, "Co&mpare..."},
    kSep,
    {Cmd::FileImportHexText, "&Import Hex Values Text..."},
    {Cmd::FileExportHexText, "E&xport Hex Display Text..."},
    kSep,
    {Cmd::FileClose, "&Close"},
    kSep,
    {Cmd::FileSave, "&Save\tCtrl+S"},
    {Cmd::FileSaveAs, "Save &As..."},
    kSep,
    {Cmd::FilePrint, "&Print...\tCtrl+P"},
    {Cmd::FilePrintSetup, "P&rint Setup..."},
    kSep,
    {Cmd::FileRecent, ""},
    kSep,
    {Cmd::FileExit, "E&xit"},
};

constexpr MenuItem kComparisonFileMenu[] = {
    {Cmd::FileNew, "&New\tCtrl+N"},
    {Cmd::FileOpen, "&Open...\tCtrl+O"},
    kSep,
    {Cmd::FileCompare, "Co&mpare..."},
    kSep,
    {Cmd::FileImportHexText, "&Import Hex Values Text..."},
    {Cmd::FileExportHexText, "E&xport Hex Display Text..."},
    kSep,
    {Cmd::FileClose, "&Close"},
    kSep,
    {Cmd::FileSaveFile1, "&Save File1"},
    {Cmd::FileSaveFile1As, "Save File1 &As..."},
    kSep,
    {Cmd::FileSaveFile2, "Sa&ve File2"},
    {Cmd::FileSaveFile2As, "Save &File2 As..."},
    kSep,
    {Cmd::FilePrint, "&Print...\tCtrl+P"},
    {Cmd::FilePrintSetup, "P&rint Setup..."},
    kSep,
    {Cmd::FileRecent, ""},
    kSep,
    {Cmd::FileExit, "E&xit"},
};

constexpr MenuItem kEditMenu[] = {
    {Cmd::EditUndo, "&Undo\tCtrl+Z"},
    {Cmd::EditRedo, "&Redo\tCtrl+Y"},
    kSep,
    {Cmd::EditFind, "&Find...\tCtrl+F"},
    {Cmd::EditReplaceBytes, "R&eplace Bytes...\tCtrl+H"},
    {Cmd::EditReverseSeq, "&Reverse Seq...\tCtrl+R"},
    kSep,
    {Cmd::EditCutBytes, "Cu&t Bytes...\tCtrl+X"},
    {Cmd::EditCopyBytes, "&Copy Bytes...\tCtrl+C"},
    {Cmd::EditPasteBytes, "&Paste Bytes...\tCtrl+V"},
    {Cmd::EditDeleteBytes, "&Delete Bytes...\tDel"},
    kSep,
    {Cmd::EditInsertBytes, "&Insert Bytes...\tIns"},
    kSep,
    {Cmd::EditSelectBytes, "&Select Bytes...\tCtrl+B"},
    {Cmd::EditGoTo, "&Go To...\tCtrl+G"},
};

constexpr MenuItem kSingleFileOperations[] = {
    {Cmd::OpBitwiseShift, "&Bitwise Shift..."},
    {Cmd::OpBitwiseMask, "Bitwise &Mask..."},
    {Cmd::OpOnesComplement, "&1's Complement..."},
    {Cmd::OpTwosComplement, "&2's Complement..."},
};

constexpr MenuItem kComparisonOperations[] = {
    {Cmd::OpBitwiseShift, "&Bitwise Shift..."},
    {Cmd::OpBitwiseMask, "Bitwise &Mask..."},
    {Cmd::OpOnesComplement, "&1's Complement..."},
    {Cmd::OpTwosComplement, "&2's Complement..."},
    kSep,
    {Cmd::OpStartCompare, "&Start Compare"},
    {Cmd::OpStopCompare, "S&top Compare"},
    kSep,
    {Cmd::OpFindNextDiff, "Find &Next Diff"},
    {Cmd::OpFindPrevDiff, "Find &Prev Diff"},
};

constexpr MenuItem kMarkMenu[] = {
    {Cmd::MarkBytes, "Mark &Bytes..."},
    {Cmd::MarkBlocks, "Mark Bloc&ks..."},
    {Cmd::MarkPatterns, "Mark &Patterns..."},
    {Cmd::MarkUnits, "Mark &Units..."},
    kSep,
    {Cmd::MarkClear, "&Clear Marks\tCtrl+M"},
};

constexpr MenuItem kViewMenu[] = {
    {Cmd::ViewToolbar, "&Toolbar"},
    {Cmd::ViewStatusBar, "&Status Bar"},
};

constexpr MenuItem kWindowMenu[] = {
    {Cmd::WindowNew, "&New Window"},
    {Cmd::WindowCascade, "&Cascade"},
    {Cmd::WindowTile, "&Tile"},
    {Cmd::WindowArrange, "&Arrange Icons"},
};

constexpr MenuItem kHelpMenu[] = {
    {Cmd::HelpTopics, "&Help Topics"},       kSep,
    {Cmd::HelpAbout, "&About Orvel..."},     kSep,
    {Cmd::HelpAsciiTable, "ASCII Table..."}, {Cmd::HelpNotationConvert, "Notation Convert..."},
};

constexpr std::array kSingleFileBar = {
    Menu{"&File", kSingleFileMenu},
    Menu{"&Edit", kEditMenu},
    Menu{"&Operations", kSingleFileOperations},
    Menu{"&Mark", kMarkMenu},
    Menu{"&View", kViewMenu},
    Menu{"&Window", kWindowMenu},
    Menu{"&Help", kHelpMenu},
};

constexpr std::array kComparisonBar = {
    Menu{"&File", kComparisonFileMenu},
    Menu{"&Edit", kEditMenu},
    Menu{"&Operations", kComparisonOperations},
    Menu{"&Mark", kMarkMenu},
    Menu{"&View", kViewMenu},
    Menu{"&Window", kWindowMenu},
    Menu{"&Help", kHelpMenu},
};

constexpr Accelerator kAccelerators[] = {
    {"Ctrl+A", Cmd::EditSelectAll},
    {"Ctrl+B", Cmd::EditSelectBytes},
    {"Ctrl+C", Cmd::EditCopyBytes},
    {"Ctrl+Ins", Cmd::EditCopyBytes},
    {"Ctrl+F", Cmd::EditFind},
    {"Ctrl+G", Cmd::EditGoTo},
    {"Ctrl+H", Cmd::EditReplaceBytes},
    {"Ctrl+M", Cmd::MarkClear},
    {"Ctrl+N", Cmd::FileNew},
    {"Ctrl+O", Cmd::FileOpen},
    {"Ctrl+P", Cmd::FilePrint},
    {"Ctrl+R", Cmd::EditReverseSeq},
    {"Ctrl+S", Cmd::FileSave},
    {"Ctrl+V", Cmd::EditPasteBytes},
    {"Shift+Ins", Cmd::EditPasteBytes},
    {"Ctrl+X", Cmd::EditCutBytes},
    {"Shift+Del", Cmd::EditCutBytes},
    {"Del", Cmd::EditDeleteBytes},
    {"Ins", Cmd::EditInsertBytes},
    {"Ctrl+Z", Cmd::EditUndo},
    {"Alt+Backspace", Cmd::EditUndo},
    {"Ctrl+Y", Cmd::EditRedo},
    {"Ctrl+Shift+Z", Cmd::EditRedo},
    {"Alt+Return", Cmd::ObjectProperties},
    {"F1", Cmd::HelpTopics},
    {"Shift+F1", Cmd::HelpContext},
    {"F3", Cmd::RepeatFind},
    {"F6", Cmd::NextPane},
    {"Shift+F6", Cmd::PrevPane},
    {"Esc", Cmd::Escape},
};

}  // namespace

std::span<const Menu> MenuBar(MenuBarKind kind) {
    if (kind == MenuBarKind::SingleFile)
        return kSingleFileBar;
    return kComparisonBar;
}

std::string_view MenuTextOf(Cmd cmd) {
    for (const auto kind : {MenuBarKind::SingleFile, MenuBarKind::Comparison}) {
        for (const Menu& menu : MenuBar(kind)) {
            for (const MenuItem& item : menu.items) {
                if (item.cmd == cmd)
                    return item.text;
            }
        }
    }
    return {};
}

std::span<const Accelerator> Accelerators() {
    return kAccelerators;
}

}  // namespace orvel
