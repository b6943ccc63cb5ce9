#pragma once

#include <string>
#include <string_view>

namespace orvel {

// The text of a numbered entry of the recent-file list or the Window menu:
// "&1 " before `name`, every "&" of the name doubled so that it shows as
// itself instead of marking a mnemonic ("R&D.bin" gives "&1 R&&D.bin").
[[nodiscard]] std::string NumberedMenuEntry(int number, std::string_view name);

// A command's menu text as a name: without mnemonic marks, the "..." of a
// dialog and the accelerator ("&Delete Bytes...\tDel" gives "Delete Bytes").
[[nodiscard]] std::string MenuName(std::string_view text);

// A menu text that names what the command acts on: `name`, every "&" doubled,
// after the text and before its accelerator ("&Undo\tCtrl+Z" and "Typing"
// give "&Undo Typing\tCtrl+Z"). An empty name leaves the text as it is.
[[nodiscard]] std::string NamedMenuEntry(std::string_view text, std::string_view name);

}  // namespace orvel
