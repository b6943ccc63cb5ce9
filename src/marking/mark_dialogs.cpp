#include "marking/mark_dialogs.h"

#include "editing/address_fields.h"

namespace orvel {
namespace {

// A value text: one to four bytes in up to eight hex digits, blanks around dropped.
constexpr FieldRow ValueField(std::string_view label) {
    return {label, NumberBase::kHex, 8, true};
}

constexpr CheckRow HexDigitsOnly(std::size_t field, std::string_view invalid) {
    return {field, FieldRule::kDigits, invalid};
}

// ---- Mark Bytes: the block, then four values that may stay empty.

constexpr FieldRow kMarkBytesFieldRows[] = {
    kStartAddressField,           kEndAddressField,
    ValueField("Value 1 (Hex):"), ValueField("Value 2 (Hex):"),
    ValueField("Value 3 (Hex):"), ValueField("Value 4 (Hex):"),
};
constexpr auto kMarkBytesChecks = JoinChecks(
    StartAddressChecks(kBytesStart), EndAddressChecks(kBytesEnd),
    std::array{HexDigitsOnly(kBytesValue1, "Value1 field contains invalid characters!"),
               HexDigitsOnly(kBytesValue1 + 1, "Value2 field contains invalid characters!"),
               HexDigitsOnly(kBytesValue1 + 2, "Value3 field contains invalid characters!"),
               HexDigitsOnly(kBytesValue1 + 3, "Value4 field contains invalid characters!")});
constexpr FieldTable kMarkBytesTable{kMarkBytesFieldRows, kMarkBytesChecks};

// ---- Mark Blocks: three blocks of two addresses, each of which may stay empty.

constexpr FieldRow kMarkBlocksFieldRows[] = {
    kStartAddressField, kEndAddressField,   kStartAddressField,
    kEndAddressField,   kStartAddressField, kEndAddressField,
};
constexpr CheckRow kMarkBlocksChecks[] = {
    HexDigitsOnly(0, "Block1 Start Address field contains invalid characters!"),
    HexDigitsOnly(1, "Block1 End Address field contains invalid characters!"),
    HexDigitsOnly(2, "Block2 Start Address field contains invalid characters!"),
    HexDigitsOnly(3, "Block2 End Address field contains invalid characters!"),
    HexDigitsOnly(4, "Block3 Start Address field contains invalid characters!"),
    HexDigitsOnly(5, "Block3 End Address field contains invalid characters!"),
};
constexpr FieldTable kMarkBlocksTable{kMarkBlocksFieldRows, kMarkBlocksChecks};

constexpr std::string_view kBlockGroups[kMarkBlockCount] = {"Mark Block 1", "Mark Block 2",
                                                            "Mark Block 3"};

// ---- Mark Units: the block, then the unit size, below the file size.

constexpr FieldRow kMarkUnitsFieldRows[] = {
    kStartAddressField,
    kEndAddressField,
    {"Number of Bytes in Each Unit (Dec):", NumberBase::kDecimal, 4},
};
constexpr auto kMarkUnitsChecks = JoinChecks(
    StartAddressChecks(kUnitsStart), EndAddressChecks(kUnitsEnd),
    RequiredNumber(kUnitsSize, "Please fill the Number of Bytes in Each Unit (Dec) field!",
                   "Number of Bytes in Each Unit (Dec) field contains invalid characters!",
                   FieldRule::kBelowSize,
                   "The value in the Number of Bytes in Each Unit (Dec) field can not be the same "
                   "or larger than the value of the file size!"));
constexpr FieldTable kMarkUnitsTable{kMarkUnitsFieldRows, kMarkUnitsChecks};

// ---- Mark Patterns: the block, then the fields the chosen type shows.

constexpr std::string_view kHeaderLabel = "Header Value (Hex):";
constexpr std::string_view kTailLabel = "Tail Value (Hex):";
constexpr std::string_view kBodyCountLabel = "Number of Body Bytes (Dec):";
constexpr std::string_view kTailCountLabel = "Number of Tail Bytes (Dec):";

constexpr PatternTypeLabels kPatternLabels[kPatternTypeCount] = {
    {kHeaderLabel, "Header Color:", {}, "Color of Body Bytes:", kTailLabel, false, "Tail Color:"},
    {kHeaderLabel, "Header Color:", kBodyCountLabel, "Color of Body Bytes:", kTailLabel, false,
     "Tail Color:"},
    {kHeaderLabel,
     "Header Color:",
     kTailCountLabel,
     "Color of Tail Bytes:",
     {},
     true,
     "the Last Tail Byte"},
};

// The same fields for every type; the type relabels or hides them.
constexpr FieldRow kMarkPatternsFieldRows[] = {
    kStartAddressField,       kEndAddressField,
    ValueField(kHeaderLabel), {kBodyCountLabel, NumberBase::kDecimal, 8, true},
    ValueField(kTailLabel),
};
constexpr auto kBlockChecks =
    JoinChecks(StartAddressChecks(kPatternsStart), EndAddressChecks(kPatternsEnd));
constexpr std::array kHeaderCheck = {
    HexDigitsOnly(kPatternsHeader, "Header Value field contains invalid characters!")};
constexpr std::array kTailCheck = {
    HexDigitsOnly(kPatternsTail, "Tail Value field contains invalid characters!")};
constexpr std::array<CheckRow, 2> kCountChecks =
    RequiredNumber(kPatternsCount, "Please fill the Body Size field!",
                   "Body Size (Dec) field contains invalid characters!");
// A hidden field is read as it stands and not checked.
constexpr auto kType1Checks = JoinChecks(kBlockChecks, kHeaderCheck, kTailCheck);
constexpr auto kType2Checks = JoinChecks(kBlockChecks, kHeaderCheck, kCountChecks, kTailCheck);
constexpr auto kType3Checks = JoinChecks(kBlockChecks, kHeaderCheck, kCountChecks);
constexpr FieldTable kMarkPatternsTables[kPatternTypeCount] = {
    {kMarkPatternsFieldRows, kType1Checks},
    {kMarkPatternsFieldRows, kType2Checks},
    {kMarkPatternsFieldRows, kType3Checks},
};

static_assert(ChecksNameTheirFields(kMarkBytesTable) && ChecksNameTheirFields(kMarkBlocksTable) &&
              ChecksNameTheirFields(kMarkUnitsTable) &&
              ChecksNameTheirFields(kMarkPatternsTables[0]) &&
              ChecksNameTheirFields(kMarkPatternsTables[1]) &&
              ChecksNameTheirFields(kMarkPatternsTables[2]));

}  // namespace

std::int32_t BlockAddressValue(std::string_view text) {
    const FieldRow& field = kMarkBlocksFieldRows[0];
    if (CheckedText(field, text).empty())
        return -1;
    const std::uint32_t value = FieldValue(field, text);
    return value > 0x7FFFFFFFu ? -1 : static_cast<std::int32_t>(value);
}

std::uint32_t PatternCountValue(std::string_view count) {
    return FieldValue(kMarkPatternsFieldRows[kPatternsCount], count);
}

MarkBlock PresetMarkBlock(Offset selectedFirst, Offset selectedLast, Offset fileSize) {
    if (selectedFirst != selectedLast)
        return {selectedFirst, selectedLast};
    return {0, fileSize - 1};
}

const FieldTable& MarkBytesFields() {
    return kMarkBytesTable;
}
const FieldTable& MarkBlocksFields() {
    return kMarkBlocksTable;
}
const FieldTable& MarkUnitsFields() {
    return kMarkUnitsTable;
}

std::string_view MarkBlockGroup(std::size_t block) {
    return block < kMarkBlockCount ? kBlockGroups[block] : std::string_view{};
}

const PatternTypeLabels& PatternLabels(PatternType type) {
    return kPatternLabels[static_cast<std::size_t>(type)];
}

const FieldTable& MarkPatternsFields(PatternType type) {
    return kMarkPatternsTables[static_cast<std::size_t>(type)];
}

}  // namespace orvel
