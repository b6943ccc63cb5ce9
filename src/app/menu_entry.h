#pragma once

#include <string>
#include <string_view>

namespace orvel {

// The text of a numbered entry of the recent-file list or the Window menu:
// "&1 " before `name`, every "&" of the name doubled so that it shows as
// itself instead of marking a mnemonic ("R&D.bin" gives "&1 R&&D.bin").
[[nodiscard]] std::string NumberedMenuEntry(int number, std::string_view name);

}  // namespace orvel
