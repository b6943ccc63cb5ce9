#pragma once

#include <string>
#include <string_view>

namespace orvel {

// The filters of the file dialogs, as "description|patterns|" pairs ending in "||".
// Open and Save As offer all files.
inline constexpr std::string_view kAllFilesFilter = "All Files (*.*)|*.*||";
// Import Hex Values Text and Export Hex Display Text.
inline constexpr std::string_view kTextFilesFilter =
    "Text Files (*.txt)|*.txt|Document Files (*.doc)|*.doc|All Files (*.*)|*.*||";

// Turns a filter of "description|patterns|" pairs ending in "||", such as
// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||", into the form the file
// dialogs take: "Text Files (*.txt);;All Files (*)". Each description keeps
// its text, its patterns follow in parentheses (separated by blanks), and
// "*.*" becomes "*" so that names without a dot are listed too.
[[nodiscard]] std::string DialogFilter(std::string_view pairs);

// The extension an open dialog adds to a typed name without one while
// `chosen` (one entry of a DialogFilter result, such as "Text Files (*.txt)")
// is selected: `suffix` when that entry lists "*.<suffix>" alone, otherwise
// none, so that with all files chosen a name is taken as typed.
[[nodiscard]] std::string_view OpenDialogSuffix(std::string_view chosen, std::string_view suffix);

}  // namespace orvel
