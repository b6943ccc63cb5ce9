#pragma once

#include <string>
#include <string_view>

namespace orvel {

// Turns a filter of "description|patterns|" pairs ending in "||", such as
// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||", into the form the file
// dialogs take: "Text Files (*.txt);;All Files (*)". Each description keeps
// its text, its patterns follow in parentheses (separated by blanks), and
// "*.*" becomes "*" so that names without a dot are listed too.
[[nodiscard]] std::string DialogFilter(std::string_view pairs);

}  // namespace orvel
