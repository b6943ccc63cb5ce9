#pragma once

#include <span>

#include "ui/command_registry.h"

namespace orvel::Cmd {
inline constexpr CommandId EditFind{"EditFind"};
inline constexpr CommandId EditReplaceBytes{"EditReplaceBytes"};
inline constexpr CommandId EditReverseSeq{"EditReverseSeq"};
inline constexpr CommandId EditCutBytes{"EditCutBytes"};
inline constexpr CommandId EditCopyBytes{"EditCopyBytes"};
inline constexpr CommandId EditPasteBytes{"EditPasteBytes"};
inline constexpr CommandId EditDeleteBytes{"EditDeleteBytes"};
inline constexpr CommandId EditInsertBytes{"EditInsertBytes"};
inline constexpr CommandId EditSelectBytes{"EditSelectBytes"};
inline constexpr CommandId EditGoTo{"EditGoTo"};
inline constexpr CommandId OpBitwiseShift{"OpBitwiseShift"};
inline constexpr CommandId OpBitwiseMask{"OpBitwiseMask"};
inline constexpr CommandId OpOnesComplement{"OpOnesComplement"};
inline constexpr CommandId OpTwosComplement{"OpTwosComplement"};
}  // namespace orvel::Cmd

namespace orvel {

// The block commands of the Edit and Operations menus and Find.
[[nodiscard]] std::span<const CommandInfo> EditCommandTable();

}  // namespace orvel
