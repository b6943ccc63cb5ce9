#include "editing/address_dialogs.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>
#include <vector>

#include "document/end_marker.h"
#include "editing/address_fields.h"

namespace orvel {
namespace {

// --- The fields, as shown. Their checks follow, per dialog.

constexpr FieldRow kGoToField{"Go To Address (Hex):", NumberBase::kHex, 8};
constexpr FieldRow kOldValueField{"Old Value (Hex):", NumberBase::kHex, 2};
constexpr FieldRow kNewValueField{"New Value (Hex):", NumberBase::kHex, 2};
constexpr FieldRow kMaskValueField{"Mask Value (Hex):", NumberBase::kHex, 2};
constexpr FieldRow kShiftCountField{"Number of Shift (Dec):", NumberBase::kDecimal, 1};
constexpr FieldRow kByteCountField{"Number of Bytes (Dec):", NumberBase::kDecimal, 9};
constexpr FieldRow kDefaultValueField{"Default Byte Value (Hex):", NumberBase::kHex, 2};

constexpr FieldBinding kStartBinding{Member::kStartAddr, ShowFormat::kHex};
constexpr FieldBinding kEndBinding{Member::kEndAddr, ShowFormat::kHex};

constexpr std::array kRangeFields = {kStartAddressField, kEndAddressField};
constexpr std::array kRangeBindings = {kStartBinding, kEndBinding};
constexpr std::array kReplaceFields = {kOldValueField, kNewValueField, kStartAddressField,
                                       kEndAddressField};
constexpr std::array kReplaceBindings = {FieldBinding{Member::kOldValue, ShowFormat::kHexByte},
                                         FieldBinding{Member::kNewValue, ShowFormat::kHexByte},
                                         kStartBinding, kEndBinding};
constexpr std::array kMaskFields = {kMaskValueField, kStartAddressField, kEndAddressField};
constexpr std::array kMaskBindings = {FieldBinding{Member::kMaskValue, ShowFormat::kHex},
                                      kStartBinding, kEndBinding};
constexpr std::array kShiftFields = {kShiftCountField, kStartAddressField, kEndAddressField};
constexpr std::array kShiftBindings = {FieldBinding{Member::kShiftCount, ShowFormat::kDecimal},
                                       kStartBinding, kEndBinding};
constexpr std::array kGoToFields = {kGoToField};
constexpr std::array kGoToBindings = {FieldBinding{Member::kAddress, ShowFormat::kHex}};
constexpr std::array kPasteFields = {kStartAddressField};
constexpr std::array kPasteBindings = {kStartBinding};
constexpr std::array kInsertFields = {kStartAddressField, kByteCountField, kDefaultValueField};
constexpr std::array kInsertBindings = {kStartBinding,
                                        FieldBinding{Member::kByteCount, ShowFormat::kDecimal},
                                        FieldBinding{Member::kDefaultValue, ShowFormat::kHexByte}};

// --- The checks OK runs, in order.

// Paste and Insert may start right after the last byte.
constexpr std::array<CheckRow, 3> kInsertStartChecks = RequiredNumber(
    0, kFillStartAddress, kInvalidStartAddress, FieldRule::kAtMostSize,
    "The value in the Start Address field can not be larger than the value of the file size!");

constexpr auto kRangeChecks = JoinChecks(StartAddressChecks(0), EndAddressChecks(1));
constexpr auto kReplaceChecks = JoinChecks(
    StartAddressChecks(2,
                       "The value in the Start Address field can not be the same or larger than "
                       "the value of the file size!"),
    EndAddressChecks(3),
    RequiredNumber(0, "Please fill the Old Value field!",
                   "Old Value field contains invalid characters!"),
    RequiredNumber(1, "Please fill the New Value field!",
                   "New Value field contains invalid characters!"));
// The mask value only has to begin with a hex digit.
constexpr auto kMaskChecks = JoinChecks(
    StartAddressChecks(1), EndAddressChecks(2),
    std::array{
        CheckRow{0, FieldRule::kFilled, "Please fill the Mask Value field!"},
        CheckRow{0, FieldRule::kLeadingDigit, "Mask Value field contains invalid characters!"}});
constexpr auto kShiftChecks =
    JoinChecks(StartAddressChecks(1), EndAddressChecks(2),
               RequiredNumber(0, "Please fill the Number of Shift (Dec) field!",
                              "Number of Shift (Dec) field contains invalid characters!"));
constexpr std::array<CheckRow, 3> kGoToChecks = RequiredNumber(
    0, "Please fill the Address field!", "Address field contains invalid characters!",
    FieldRule::kBelowSize,
    "The value in the Address field can not be the same or larger than the value of the file "
    "size!");
constexpr auto kInsertChecks =
    JoinChecks(kInsertStartChecks,
               RequiredNumber(2, "Please fill the Default Byte Value (Hex) field!",
                              "Default Byte Value (Hex) field contains invalid characters!"),
               RequiredNumber(1, "Please fill the Number of Bytes (Dec) field!",
                              "Number of Bytes (Dec) field contains invalid characters!"));

// --- The radio groups.

constexpr std::array<std::string_view, 3> kMaskLabels = {"AND", "OR", "XOR"};
constexpr std::array<std::string_view, 2> kShiftLabels = {"Left Shift", "Right Shift"};
constexpr ChoiceGroup kMaskChoice = {Member::kMaskType, "Mask Type", kMaskLabels};
constexpr ChoiceGroup kShiftChoice = {Member::kShiftType, "Bitwise Shift Type", kShiftLabels};

constexpr DialogDef RangeDialog(DialogId id, std::string_view title, PresetSource source,
                                OpeningRule rule) {
    return {id,
            title,
            nullptr,
            {kRangeFields, kRangeChecks},
            kRangeBindings,
            {},
            0,
            SizePrefix::kLower,
            source,
            rule};
}

// Indexed by DialogId.
constexpr std::array<DialogDef, 13> kDialogs = {
    RangeDialog(DialogId::kCopyBytes, "Copy Bytes", PresetSource::kSelectedRange,
                OpeningRule::kClampEnd),
    RangeDialog(DialogId::kCutBytes, "Cut Bytes", PresetSource::kSelectedRange,
                OpeningRule::kClampEnd),
    RangeDialog(DialogId::kDeleteBytes, "Delete Bytes", PresetSource::kSelectedRange,
                OpeningRule::kClampEnd),
    RangeDialog(DialogId::kSelectBytes, "Select Bytes", PresetSource::kSelectedOrWholeFile,
                OpeningRule::kClampEnd),
    RangeDialog(DialogId::kReverseSeq, "Reverse Bytes Sequence", PresetSource::kSelectedRange,
                OpeningRule::kClampEnd),
    RangeDialog(DialogId::kOnesComplement, "1's Complement", PresetSource::kSelectedOrWholeFile,
                OpeningRule::kNone),
    RangeDialog(DialogId::kTwosComplement, "2's Complement", PresetSource::kSelectedOrWholeFile,
                OpeningRule::kNone),
    DialogDef{DialogId::kReplaceBytes,
              "Replace Bytes",
              nullptr,
              {kReplaceFields, kReplaceChecks},
              kReplaceBindings,
              "Apply To Block",
              2,
              SizePrefix::kLower,
              PresetSource::kSelectedOrWholeFile,
              OpeningRule::kClampEnd},
    DialogDef{DialogId::kMaskBytes,
              "Mask Bytes",
              &kMaskChoice,
              {kMaskFields, kMaskChecks},
              kMaskBindings,
              "Apply to block",
              1,
              SizePrefix::kLower,
              PresetSource::kSelectedOrWholeFile,
              OpeningRule::kNone},
    DialogDef{DialogId::kBitwiseShift,
              "Bitwise Shift On Bytes",
              &kShiftChoice,
              {kShiftFields, kShiftChecks},
              kShiftBindings,
              "Apply to block",
              1,
              SizePrefix::kUpper,
              PresetSource::kSelectedOrWholeFile,
              OpeningRule::kNone},
    DialogDef{DialogId::kGoTo,
              "Go To",
              nullptr,
              {kGoToFields, kGoToChecks},
              kGoToBindings,
              {},
              0,
              SizePrefix::kLower,
              PresetSource::kZero,
              OpeningRule::kClampAddress},
    DialogDef{DialogId::kPasteBytes,
              "Paste Bytes",
              nullptr,
              {kPasteFields, kInsertStartChecks},
              kPasteBindings,
              {},
              0,
              SizePrefix::kLower,
              PresetSource::kInsertionPoint,
              OpeningRule::kClampStart},
    DialogDef{DialogId::kInsertBytes,
              "Insert Bytes",
              nullptr,
              {kInsertFields, kInsertChecks},
              kInsertBindings,
              "Bytes To Be Inserted",
              0,
              SizePrefix::kLower,
              PresetSource::kInsertionPoint,
              OpeningRule::kClampStart},
};

constexpr bool TablesAreSound() {
    for (std::size_t i = 0; i < kDialogs.size(); ++i) {
        const DialogDef& dialog = kDialogs[i];
        if (static_cast<std::size_t>(dialog.id) != i || !ChecksNameTheirFields(dialog.table) ||
            dialog.bindings.size() != dialog.table.fields.size())
            return false;
    }
    return true;
}
static_assert(TablesAreSound());

Offset LastByteOrZero(Offset fileSize) {
    return std::max<Offset>(fileSize - 1, 0);
}

// The member of each Member, in the order of that enum.
constexpr Offset DialogMembers::*kMemberFields[] = {
    &DialogMembers::m_nStartAddr,  &DialogMembers::m_nEndAddr,   &DialogMembers::m_nAddress,
    &DialogMembers::m_nOldValue,   &DialogMembers::m_nNewValue,  &DialogMembers::m_nMaskValue,
    &DialogMembers::m_nShiftCount, &DialogMembers::m_nByteCount, &DialogMembers::m_nDefaultValue,
    &DialogMembers::m_nMaskType,   &DialogMembers::m_nShiftType,
};
static_assert(std::size(kMemberFields) == static_cast<std::size_t>(Member::kShiftType) + 1);

Offset DialogMembers::*MemberField(Member member) {
    return kMemberFields[static_cast<std::size_t>(member)];
}

}  // namespace

const DialogDef& GetDialogDef(DialogId id) {
    return kDialogs[static_cast<std::size_t>(id)];
}

Offset DialogMembers::Get(Member member) const {
    return this->*MemberField(member);
}

void DialogMembers::Set(Member member, Offset value) {
    this->*MemberField(member) = value;
}

DialogMembers OpenDialogMembers(const DialogDef& dialog, const DumpLayout& layout,
                                TextSelection selection, Offset fileSize,
                                const BitwiseSettings& settings) {
    DialogMembers m;
    m.m_nFileSize = fileSize;
    m.m_nShiftType = settings.m_nShiftType;
    m.m_nShiftCount = settings.m_nShiftCount;
    m.m_nMaskType = settings.m_nMaskType;
    m.m_nMaskValue = settings.m_nMaskValue;

    const ByteRange selected = layout.GetSelectedBytes(selection, EndMarker::ForSize(fileSize));
    switch (dialog.source) {
        case PresetSource::kSelectedRange:
            m.m_nStartAddr = selected.first;
            m.m_nEndAddr = selected.last;
            break;
        case PresetSource::kSelectedOrWholeFile:
            m.m_nStartAddr = selected.first == selected.last ? 0 : selected.first;
            m.m_nEndAddr = selected.first == selected.last ? fileSize - 1 : selected.last;
            break;
        case PresetSource::kInsertionPoint: {
            const Offset pos = layout.GetInsertPos(selection);
            m.m_nStartAddr = pos < 0 ? -1 : layout.TextPosToByte(pos);
            break;
        }
        case PresetSource::kZero:
            m.m_nAddress = 0;
            break;
    }

    switch (dialog.rule) {
        case OpeningRule::kNone:
            break;
        case OpeningRule::kClampEnd:
            if (m.m_nEndAddr >= fileSize)
                m.m_nEndAddr = LastByteOrZero(fileSize);
            break;
        case OpeningRule::kClampAddress:
            if (m.m_nAddress >= fileSize)
                m.m_nAddress = LastByteOrZero(fileSize);
            break;
        case OpeningRule::kClampStart:
            if (m.m_nStartAddr >= fileSize)
                m.m_nStartAddr = fileSize;
            break;
    }
    return m;
}

std::string FieldText(const DialogDef& dialog, std::size_t field, const DialogMembers& members) {
    const FieldBinding& binding = dialog.bindings[field];
    const Offset value = members.Get(binding.member);
    if (binding.format == ShowFormat::kHex || value < 0)
        return AddressFieldText(value);
    char text[24];
    const auto v = static_cast<unsigned long long>(value);
    std::snprintf(text, sizeof text, binding.format == ShowFormat::kHexByte ? "%02llX" : "%llu", v);
    return text;
}

std::string FileSizeLine(const DialogDef& dialog, Offset fileSize) {
    return FileSizeText(fileSize, dialog.sizePrefix);
}

std::optional<FieldFault> CheckDialogFields(const DialogDef& dialog,
                                            std::span<const std::string> texts,
                                            DialogMembers& members) {
    std::vector<std::string> typed;
    typed.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto maxLength = static_cast<std::size_t>(dialog.table.fields[i].maxLength);
        typed.push_back(texts[i].substr(0, maxLength));
    }
    if (const std::optional<FieldFault> fault =
            CheckFields(dialog.table, typed, members.m_nFileSize))
        return fault;
    for (std::size_t i = 0; i < typed.size(); ++i)
        members.Set(dialog.bindings[i].member, FieldValue(dialog.table.fields[i], typed[i]));
    return std::nullopt;
}

void RememberBitwiseSettings(const DialogDef& dialog, const DialogMembers& members,
                             BitwiseSettings& settings) {
    if (dialog.id == DialogId::kMaskBytes) {
        settings.m_nMaskType = static_cast<int>(members.m_nMaskType);
        settings.m_nMaskValue = static_cast<int>(members.m_nMaskValue);
    } else if (dialog.id == DialogId::kBitwiseShift) {
        settings.m_nShiftType = static_cast<int>(members.m_nShiftType);
        settings.m_nShiftCount = static_cast<int>(members.m_nShiftCount);
    }
}

}  // namespace orvel
