#include "editing/field_checks.h"

#include <cstdio>

#include "editing/validators.h"

namespace orvel {
namespace {

bool AllDigits(std::string_view text, NumberBase kind) {
    return kind == NumberBase::kHex ? IsHexString(text) : IsDecimalString(text);
}

bool Passes(const CheckRow& check, const FieldRow& field, std::string_view text, Offset fileSize) {
    if (check.rule == FieldRule::kFilled)
        return !text.empty();
    if (text.empty())
        return true;
    switch (check.rule) {
        case FieldRule::kFilled:
            break;
        case FieldRule::kDigits:
            return AllDigits(text, field.kind);
        case FieldRule::kLeadingDigit:
            return IsHexDigit(text.front());
        case FieldRule::kFitsLength:
            return text.size() <= static_cast<std::size_t>(field.maxLength);
        case FieldRule::kBelowSize:
        case FieldRule::kAtMostSize: {
            const LeadingNumber number = ReadLeadingNumber(text, field.kind);
            if (!number.fits)
                return false;
            const Offset value = number.value;
            return check.rule == FieldRule::kBelowSize ? value < fileSize : value <= fileSize;
        }
    }
    return true;
}

}  // namespace

std::optional<FieldFault> CheckFields(const FieldTable& table, std::span<const std::string> texts,
                                      Offset fileSize) {
    for (const CheckRow& check : table.checks) {
        const FieldRow& field = table.fields[check.field];
        if (!Passes(check, field, CheckedText(field, texts[check.field]), fileSize))
            return FieldFault{check.field, check.message};
    }
    return std::nullopt;
}

std::string_view CheckedText(const FieldRow& field, std::string_view text) {
    return field.trimmed ? TrimBlanks(text) : text;
}

std::uint32_t FieldValue(const FieldRow& field, std::string_view text) {
    return ReadLeadingNumber(CheckedText(field, text), field.kind).value;
}

std::string AddressFieldText(Offset address) {
    if (address < 0)
        return {};
    char text[24];
    std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(address));
    return text;
}

}  // namespace orvel
