#include "marking/mark_dialogs.h"

#include "editing/find_pattern.h"
#include "editing/validators.h"

namespace orvel {
namespace {

bool AllOfKind(std::string_view text, MarkFieldKind kind) {
    for (const char c : text) {
        if (kind == MarkFieldKind::kHex ? !IsHexDigit(c) : !IsDecimalDigit(c))
            return false;
    }
    return true;
}

constexpr MarkField kStartField{"Start Address (Hex):",
                                MarkFieldKind::kHex,
                                8,
                                false,
                                "Please fill the Start Address field!",
                                "Start Address field contains invalid characters!",
                                "The value in the Start Address field can not be the same or "
                                "larger than the value of file size!"};
constexpr MarkField kEndField{"End Address (Hex):",
                              MarkFieldKind::kHex,
                              8,
                              false,
                              "Please fill the End Address field!",
                              "End Address field contains invalid characters!",
                              "The value in the End Address field can not be the same or larger "
                              "than the value of the file size!"};

constexpr MarkField ValueField(std::string_view label, std::string_view invalid) {
    return {label, MarkFieldKind::kHex, 8, true, {}, invalid, {}};
}

constexpr MarkField kMarkBytesFieldTable[] = {
    kStartField,
    kEndField,
    ValueField("Value 1 (Hex):", "Value1 field contains invalid characters!"),
    ValueField("Value 2 (Hex):", "Value2 field contains invalid characters!"),
    ValueField("Value 3 (Hex):", "Value3 field contains invalid characters!"),
    ValueField("Value 4 (Hex):", "Value4 field contains invalid characters!"),
};

constexpr MarkField BlockField(std::string_view label, std::string_view invalid) {
    return {label, MarkFieldKind::kHex, 8, false, {}, invalid, {}};
}

constexpr MarkField kMarkBlocksFieldTable[] = {
    BlockField("Start Address (Hex):", "Block1 Start Address field contains invalid characters!"),
    BlockField("End Address (Hex):", "Block1 End Address field contains invalid characters!"),
    BlockField("Start Address (Hex):", "Block2 Start Address field contains invalid characters!"),
    BlockField("End Address (Hex):", "Block2 End Address field contains invalid characters!"),
    BlockField("Start Address (Hex):", "Block3 Start Address field contains invalid characters!"),
    BlockField("End Address (Hex):", "Block3 End Address field contains invalid characters!"),
};

constexpr std::string_view kBlockGroups[kMarkBlockCount] = {"Mark Block 1", "Mark Block 2",
                                                            "Mark Block 3"};

constexpr MarkField kMarkUnitsFieldTable[] = {
    kStartField,
    kEndField,
    {"Number of Bytes in Each Unit (Dec):", MarkFieldKind::kDecimal, 4, false,
     "Please fill the Number of Bytes in Each Unit (Dec) field!",
     "Number of Bytes in Each Unit (Dec) field contains invalid characters!",
     "The value in the Number of Bytes in Each Unit (Dec) field can not be the same or larger "
     "than the value of the file size!"},
};

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

constexpr MarkField kHeaderField =
    ValueField(kHeaderLabel, "Header Value field contains invalid characters!");
constexpr MarkField kTailField =
    ValueField(kTailLabel, "Tail Value field contains invalid characters!");
constexpr MarkField CountField(std::string_view label) {
    return {label,
            MarkFieldKind::kDecimal,
            8,
            true,
            "Please fill the Body Size field!",
            "Body Size (Dec) field contains invalid characters!",
            {}};
}
// A hidden field is read as it stands and not checked.
constexpr MarkField HiddenField(MarkFieldKind kind) {
    return {{}, kind, 8, true, {}, {}, {}};
}

constexpr MarkField kMarkPatternsFieldTable[kPatternTypeCount][5] = {
    {kStartField, kEndField, kHeaderField, HiddenField(MarkFieldKind::kDecimal), kTailField},
    {kStartField, kEndField, kHeaderField, CountField(kBodyCountLabel), kTailField},
    {kStartField, kEndField, kHeaderField, CountField(kTailCountLabel),
     HiddenField(MarkFieldKind::kHex)},
};

}  // namespace

std::optional<FieldFault> CheckMarkFields(std::span<const MarkField> fields,
                                          std::span<const std::string> texts, Offset fileSize) {
    for (std::size_t i = 0; i < fields.size() && i < texts.size(); ++i) {
        const MarkField& field = fields[i];
        const std::string_view text = field.trimmed ? TrimBlanks(texts[i]) : texts[i];
        if (text.empty()) {
            if (!field.emptyMessage.empty())
                return FieldFault{i, field.emptyMessage};
            continue;
        }
        if (!field.invalidMessage.empty() && !AllOfKind(text, field.kind)) {
            return FieldFault{i, field.invalidMessage};
        }
        if (!field.sizeMessage.empty()) {
            const std::int64_t value =
                field.kind == MarkFieldKind::kHex ? HexFieldValue(text) : DecimalFieldValue(text);
            if (value >= fileSize)
                return FieldFault{i, field.sizeMessage};
        }
    }
    return std::nullopt;
}

std::uint32_t HexFieldValue(std::string_view text) {
    text = TrimBlanks(text);
    std::uint32_t value = 0;
    for (const char c : text) {
        if (!IsHexDigit(c))
            break;
        value = value * 16 + static_cast<std::uint32_t>(HexDigitValue(c));
    }
    return value;
}

std::int64_t DecimalFieldValue(std::string_view text) {
    text = TrimBlanks(text);
    std::int64_t value = 0;
    for (const char c : text) {
        // The fields hold at most nine digits, far below the limit.
        if (!IsDecimalDigit(c) || value > (std::int64_t{1} << 40))
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::int32_t BlockAddressValue(std::string_view text) {
    if (TrimBlanks(text).empty())
        return -1;
    const std::uint32_t value = HexFieldValue(text);
    return value > 0x7FFFFFFFu ? -1 : static_cast<std::int32_t>(value);
}

MarkBlock PresetMarkBlock(Offset selectedFirst, Offset selectedLast, Offset fileSize) {
    if (selectedFirst != selectedLast)
        return {selectedFirst, selectedLast};
    return {0, fileSize - 1};
}

std::span<const MarkField> MarkBytesFields() {
    return kMarkBytesFieldTable;
}
std::span<const MarkField> MarkBlocksFields() {
    return kMarkBlocksFieldTable;
}
std::span<const MarkField> MarkUnitsFields() {
    return kMarkUnitsFieldTable;
}

std::string_view MarkBlockGroup(std::size_t block) {
    return block < kMarkBlockCount ? kBlockGroups[block] : std::string_view{};
}

const PatternTypeLabels& PatternLabels(PatternType type) {
    return kPatternLabels[static_cast<std::size_t>(type)];
}

std::span<const MarkField> MarkPatternsFields(PatternType type) {
    return kMarkPatternsFieldTable[static_cast<std::size_t>(type)];
}

}  // namespace orvel
