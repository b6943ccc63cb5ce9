#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "document/offset.h"
#include "editing/number_text.h"

namespace orvel {

// The entry fields of a dialog and the checks its OK button runs on them, as
// data. Every dialog declares one table: its fields as rows, and its checks
// as rows in the order they run, each with its exact message. CheckFields
// runs a table on the fields' texts and gives the first fault; the Qt layer
// builds the edits from the rows and reports that fault (field_edits.h).
// Nothing here is thread-bound.

struct FieldRow {
    std::string_view label;
    NumberBase kind;       // the digits the edit lets the user type and the value is read in
    int maxLength;         // characters the edit control accepts
    bool trimmed = false;  // blanks around the text are dropped before the checks and the value
};

// What a check asks of a field's text (trimmed when its row says so). Every
// rule but kFilled passes on an empty text: a field that may stay empty has
// no kFilled row.
enum class FieldRule {
    kFilled,        // not empty
    kDigits,        // only digits of the field's kind
    kLeadingDigit,  // begins with a hex digit; the value is read from the leading digits
    kFitsLength,    // no more characters than the field's maxLength
    kBelowSize,     // the value is below the file size (values past 32 bits never are)
    kAtMostSize,    // the value is at most the file size
};

struct CheckRow {
    std::size_t field;  // index into the table's fields
    FieldRule rule;
    std::string_view message;  // empty for a check that is not reported (the converter's)
};

struct FieldTable {
    std::span<const FieldRow> fields;
    std::span<const CheckRow> checks;  // in the order they run
};

// The checks of a field that must hold a number: filled, then only digits of
// its kind, then (in the second form) the value against the file size.
[[nodiscard]] constexpr std::array<CheckRow, 2> RequiredNumber(std::size_t field,
                                                               std::string_view empty,
                                                               std::string_view invalid) {
    return {{{field, FieldRule::kFilled, empty}, {field, FieldRule::kDigits, invalid}}};
}
[[nodiscard]] constexpr std::array<CheckRow, 3> RequiredNumber(std::size_t field,
                                                               std::string_view empty,
                                                               std::string_view invalid,
                                                               FieldRule limit,
                                                               std::string_view tooLarge) {
    return {{{field, FieldRule::kFilled, empty},
             {field, FieldRule::kDigits, invalid},
             {field, limit, tooLarge}}};
}

// Groups of checks, one after the other.
template <std::size_t... N>
[[nodiscard]] constexpr std::array<CheckRow, (N + ...)> JoinChecks(
    const std::array<CheckRow, N>&... groups) {
    std::array<CheckRow, (N + ...)> joined{};
    auto at = joined.begin();
    ((at = std::copy(groups.begin(), groups.end(), at)), ...);
    return joined;
}

// True when every check names a field of the table; for static_assert.
[[nodiscard]] constexpr bool ChecksNameTheirFields(const FieldTable& table) {
    for (const CheckRow& check : table.checks) {
        if (check.field >= table.fields.size())
            return false;
    }
    return true;
}

// The first failing check: the field to focus and its message.
struct FieldFault {
    std::size_t field;
    std::string_view message;
    friend bool operator==(const FieldFault&, const FieldFault&) = default;
};

// Runs the table's checks in order on texts[i] for fields[i] and returns the
// first fault, or nothing when all pass. `texts` has one entry per field;
// `fileSize` matters only to the size rules.
[[nodiscard]] std::optional<FieldFault> CheckFields(const FieldTable& table,
                                                    std::span<const std::string> texts,
                                                    Offset fileSize = 0);

// The text the checks look at: without the blanks around it when the row trims.
[[nodiscard]] std::string_view CheckedText(const FieldRow& field, std::string_view text);

// The value of a field's leading digits (of its checked text): 0 without a
// digit, 0xFFFFFFFF past 32 bits (the size rules refuse such texts).
[[nodiscard]] std::uint32_t FieldValue(const FieldRow& field, std::string_view text);

// An address as its field shows it: "%X", empty when there is none (negative).
[[nodiscard]] std::string AddressFieldText(Offset address);

}  // namespace orvel
