#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

// Seconds since 1970-01-01 00:00:00 UTC as the calendar shows them (the
// proleptic Gregorian calendar, no leap seconds).

// "2024-03-01 12:34:56 UTC".
[[nodiscard]] std::string UnixTimeText(std::int64_t seconds);

// The seconds a text of the form "YYYY-MM-DD", "YYYY-MM-DD HH:MM" or
// "YYYY-MM-DD HH:MM:SS" stands for; a "T" may stand for the blank, and " UTC"
// or "Z" may follow. Nothing for any other text or an impossible date or time
// (2023-02-29, 24:00). Years have four digits, the other fields two.
[[nodiscard]] std::optional<std::int64_t> ParseUnixTime(std::string_view text);

}  // namespace orvel
