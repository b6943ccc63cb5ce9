#pragma once

namespace orvel {

// Every command of the menus, toolbars and accelerators.
enum class Cmd {
    None,
    // File
    FileNew,
    FileOpen,
    FileCompare,
    FileImportHexText,
    FileExportHexText,
    FileClose,
    FileSave,
    FileSaveAs,
    FileSaveFile1,
    FileSaveFile1As,
    FileSaveFile2,
    FileSaveFile2As,
    FilePrint,
    FilePrintSetup,
    FileRecent,  // the place of the recent-file list
    FileExit,
    // Edit
    EditFind,
    EditReplaceBytes,
    EditReverseSeq,
    EditCutBytes,
    EditCopyBytes,
    EditPasteBytes,
    EditDeleteBytes,
    EditInsertBytes,
    EditSelectBytes,
    EditGoTo,
    EditSelectAll,
    EditUndo,
    EditRedo,
    // Operations
    OpBitwiseShift,
    OpBitwiseMask,
    OpOnesComplement,
    OpTwosComplement,
    OpStartCompare,
    OpStopCompare,
    OpFindNextDiff,
    OpFindPrevDiff,
    OpFindFirstDiff,
    OpFindLastDiff,
    // Mark
    MarkBytes,
    MarkBlocks,
    MarkPatterns,
    MarkUnits,
    MarkClear,
    // View
    ViewToolbar,
    ViewStatusBar,
    // Window
    WindowNew,
    WindowCascade,
    WindowTile,
    WindowArrange,
    // Help
    HelpTopics,
    HelpAbout,
    HelpAsciiTable,
    HelpNotationConvert,
    HelpContext,
    // Keys only: the panes of a comparison window (F6, Shift+F6)
    NextPane,
    PrevPane,
    // Keys that reach commands nothing handles
    RepeatFind,
    ObjectProperties,
    Escape,
};

}  // namespace orvel
