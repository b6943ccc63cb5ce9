#pragma once

#include <compare>
#include <string_view>

namespace orvel {

// The name of a command. Each subsystem declares the ids of its own commands
// in namespace orvel::Cmd, beside the table of their texts.
struct CommandId {
    std::string_view name;

    friend auto operator<=>(const CommandId&, const CommandId&) = default;
};

}  // namespace orvel
