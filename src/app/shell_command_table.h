#pragma once

#include <span>
#include <string_view>

#include "ui/command_registry.h"

namespace orvel::Cmd {
inline constexpr CommandId FileNew{"FileNew"};
inline constexpr CommandId FileOpen{"FileOpen"};
inline constexpr CommandId FileCompare{"FileCompare"};
inline constexpr CommandId FileImportHexText{"FileImportHexText"};
inline constexpr CommandId FileClose{"FileClose"};
inline constexpr CommandId FilePrintSetup{"FilePrintSetup"};
inline constexpr CommandId FileExit{"FileExit"};
inline constexpr CommandId ViewToolbar{"ViewToolbar"};
inline constexpr CommandId ViewStatusBar{"ViewStatusBar"};
inline constexpr CommandId ViewDataInspector{"ViewDataInspector"};
inline constexpr CommandId ViewMarksAsBackground{"ViewMarksAsBackground"};
inline constexpr CommandId ViewFont{"ViewFont"};
inline constexpr CommandId WindowNew{"WindowNew"};
inline constexpr CommandId WindowCascade{"WindowCascade"};
inline constexpr CommandId WindowTile{"WindowTile"};
inline constexpr CommandId WindowArrange{"WindowArrange"};
inline constexpr CommandId HelpTopics{"HelpTopics"};
inline constexpr CommandId HelpContext{"HelpContext"};
inline constexpr CommandId HelpAbout{"HelpAbout"};
inline constexpr CommandId HelpAsciiTable{"HelpAsciiTable"};
inline constexpr CommandId HelpNotationConvert{"HelpNotationConvert"};
// Keys nothing handles.
inline constexpr CommandId ObjectProperties{"ObjectProperties"};
inline constexpr CommandId Escape{"Escape"};
}  // namespace orvel::Cmd

namespace orvel {

// The commands of the application and its main frame: new, open and compare
// windows, close, print setup, exit, the View, Window and Help menus.
[[nodiscard]] std::span<const CommandInfo> ShellCommandTable();

// What the status bar's message pane shows while no prompt is up.
inline constexpr std::string_view kIdlePrompt = "For Help, press F1";

}  // namespace orvel
