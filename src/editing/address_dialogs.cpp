#include "editing/address_dialogs.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>

#include "document/end_marker.h"
#include "editing/validators.h"

namespace orvel {
namespace {

// --- The fields. The address fields share their label and first two messages
// and differ in the limit and the wording of the size message.

constexpr std::string_view kFillStart = "Please fill the Start Address field!";
constexpr std::string_view kInvalidStart = "Start Address field contains invalid characters!";

constexpr FieldDef AddressField(Member member, std::string_view label, std::string_view empty,
                                std::string_view invalid, SizeLimit limit, std::string_view range) {
    return {member,           label, FieldKind::kHex, 8,       ShowFormat::kHex,
            CharTest::kWhole, limit, empty,           invalid, range};
}

constexpr FieldDef ValueField(Member member, std::string_view label, FieldKind kind, int maxLength,
                              ShowFormat format, CharTest test, std::string_view empty,
                              std::string_view invalid) {
    return {member, label, kind, maxLength, format, test, SizeLimit::kNone, empty, invalid, {}};
}

constexpr FieldDef kStartField = AddressField(
    Member::kStartAddr, "Start Address (Hex):", kFillStart, kInvalidStart, SizeLimit::kBelowSize,
    "The value in the Start Address field can not be the same or larger than the value of file "
    "size!");
constexpr FieldDef kReplaceStartField = AddressField(
    Member::kStartAddr, "Start Address (Hex):", kFillStart, kInvalidStart, SizeLimit::kBelowSize,
    "The value in the Start Address field can not be the same or larger than the value of the "
    "file size!");
constexpr FieldDef kInsertStartField = AddressField(
    Member::kStartAddr, "Start Address (Hex):", kFillStart, kInvalidStart, SizeLimit::kAtMostSize,
    "The value in the Start Address field can not be larger than the value of the file size!");
constexpr FieldDef kEndField = AddressField(
    Member::kEndAddr, "End Address (Hex):", "Please fill the End Address field!",
    "End Address field contains invalid characters!", SizeLimit::kBelowSize,
    "The value in the End Address field can not be the same or larger than the value of the file "
    "size!");
constexpr FieldDef kGoToField = AddressField(
    Member::kAddress, "Go To Address (Hex):", "Please fill the Address field!",
    "Address field contains invalid characters!", SizeLimit::kBelowSize,
    "The value in the Address field can not be the same or larger than the value of the file "
    "size!");
constexpr FieldDef kOldValueField =
    ValueField(Member::kOldValue, "Old Value (Hex):", FieldKind::kHex, 2, ShowFormat::kHexByte,
               CharTest::kWhole, "Please fill the Old Value field!",
               "Old Value field contains invalid characters!");
constexpr FieldDef kNewValueField =
    ValueField(Member::kNewValue, "New Value (Hex):", FieldKind::kHex, 2, ShowFormat::kHexByte,
               CharTest::kWhole, "Please fill the New Value field!",
               "New Value field contains invalid characters!");
constexpr FieldDef kMaskValueField =
    ValueField(Member::kMaskValue, "Mask Value (Hex):", FieldKind::kHex, 2, ShowFormat::kHex,
               CharTest::kLeadingDigit, "Please fill the Mask Value field!",
               "Mask Value field contains invalid characters!");
constexpr FieldDef kShiftCountField = ValueField(
    Member::kShiftCount, "Number of Shift (Dec):", FieldKind::kDecimal, 1, ShowFormat::kDecimal,
    CharTest::kWhole, "Please fill the Number of Shift (Dec) field!",
    "Number of Shift (Dec) field contains invalid characters!");
constexpr FieldDef kByteCountField = ValueField(
    Member::kByteCount, "Number of Bytes (Dec):", FieldKind::kDecimal, 9, ShowFormat::kDecimal,
    CharTest::kWhole, "Please fill the Number of Bytes (Dec) field!",
    "Number of Bytes (Dec) field contains invalid characters!");
constexpr FieldDef kDefaultValueField = ValueField(
    Member::kDefaultValue, "Default Byte Value (Hex):", FieldKind::kHex, 2, ShowFormat::kHexByte,
    CharTest::kWhole, "Please fill the Default Byte Value (Hex) field!",
    "Default Byte Value (Hex) field contains invalid characters!");

// --- The radio groups.

constexpr std::array<std::string_view, 3> kMaskLabels = {"AND", "OR", "XOR"};
constexpr std::array<std::string_view, 2> kShiftLabels = {"Left Shift", "Right Shift"};
constexpr ChoiceGroup kMaskChoice = {Member::kMaskType, "Mask Type", kMaskLabels};
constexpr ChoiceGroup kShiftChoice = {Member::kShiftType, "Bitwise Shift Type", kShiftLabels};

// --- The field lists and check orders shared by the dialogs.

constexpr std::array<const FieldDef*, 2> kRangeFields = {&kStartField, &kEndField};
constexpr std::array<const FieldDef*, 4> kReplaceFields = {&kOldValueField, &kNewValueField,
                                                           &kReplaceStartField, &kEndField};
constexpr std::array<const FieldDef*, 3> kMaskFields = {&kMaskValueField, &kStartField, &kEndField};
constexpr std::array<const FieldDef*, 3> kShiftFields = {&kShiftCountField, &kStartField,
                                                         &kEndField};
constexpr std::array<const FieldDef*, 1> kGoToFields = {&kGoToField};
constexpr std::array<const FieldDef*, 1> kPasteFields = {&kInsertStartField};
constexpr std::array<const FieldDef*, 3> kInsertFields = {&kInsertStartField, &kByteCountField,
                                                          &kDefaultValueField};

constexpr std::array<int, 1> kOneField = {0};
constexpr std::array<int, 2> kInOrder = {0, 1};
constexpr std::array<int, 4> kReplaceOrder = {2, 3, 0, 1};
constexpr std::array<int, 3> kRangeThenValue = {1, 2, 0};
constexpr std::array<int, 3> kInsertOrder = {0, 2, 1};

constexpr std::string_view kSizePrefix = "File Size: 0x ";

constexpr DialogDef RangeDialog(DialogId id, std::string_view title, PresetSource source,
                                OpeningRule rule) {
    return {id, title, nullptr, kRangeFields, {}, 0, kInOrder, kSizePrefix, source, rule};
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
    DialogDef{DialogId::kReplaceBytes, "Replace Bytes", nullptr, kReplaceFields, "Apply To Block",
              2, kReplaceOrder, kSizePrefix, PresetSource::kSelectedOrWholeFile,
              OpeningRule::kClampEnd},
    DialogDef{DialogId::kMaskBytes, "Mask Bytes", &kMaskChoice, kMaskFields, "Apply to block", 1,
              kRangeThenValue, kSizePrefix, PresetSource::kSelectedOrWholeFile, OpeningRule::kNone},
    DialogDef{DialogId::kBitwiseShift, "Bitwise Shift On Bytes", &kShiftChoice, kShiftFields,
              "Apply to block", 1, kRangeThenValue, "File Size: 0X ",
              PresetSource::kSelectedOrWholeFile, OpeningRule::kNone},
    DialogDef{DialogId::kGoTo,
              "Go To",
              nullptr,
              kGoToFields,
              {},
              0,
              kOneField,
              kSizePrefix,
              PresetSource::kZero,
              OpeningRule::kClampAddress},
    DialogDef{DialogId::kPasteBytes,
              "Paste Bytes",
              nullptr,
              kPasteFields,
              {},
              0,
              kOneField,
              kSizePrefix,
              PresetSource::kInsertionPoint,
              OpeningRule::kClampStart},
    DialogDef{DialogId::kInsertBytes, "Insert Bytes", nullptr, kInsertFields,
              "Bytes To Be Inserted", 0, kInsertOrder, kSizePrefix, PresetSource::kInsertionPoint,
              OpeningRule::kClampStart},
};

constexpr bool TableIsIndexedById() {
    for (std::size_t i = 0; i < kDialogs.size(); ++i) {
        if (static_cast<std::size_t>(kDialogs[i].id) != i)
            return false;
    }
    return true;
}
static_assert(TableIsIndexedById());

bool PassesCharTest(const FieldDef& field, std::string_view text) {
    if (field.charTest == CharTest::kLeadingDigit)
        return IsHexDigit(text.front());
    const auto isDigit = field.kind == FieldKind::kHex ? IsHexDigit : IsDecimalDigit;
    return std::all_of(text.begin(), text.end(), isDigit);
}

// The value of the leading digits of the field's kind (at most nine, so it fits).
Offset ParseValue(const FieldDef& field, std::string_view text) {
    Offset value = 0;
    for (const char c : text) {
        if (field.kind == FieldKind::kHex) {
            if (!IsHexDigit(c))
                break;
            value = value * 16 + HexDigitValue(c);
        } else {
            if (!IsDecimalDigit(c))
                break;
            value = value * 10 + (c - '0');
        }
    }
    return value;
}

bool WithinLimit(SizeLimit limit, Offset value, Offset fileSize) {
    switch (limit) {
        case SizeLimit::kNone:
            return true;
        case SizeLimit::kBelowSize:
            return value < fileSize;
        case SizeLimit::kAtMostSize:
            return value <= fileSize;
    }
    return true;
}

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

std::string FieldText(const FieldDef& field, const DialogMembers& members) {
    const Offset value = members.Get(field.member);
    if (value < 0)
        return {};
    char text[24];
    const auto v = static_cast<unsigned long long>(value);
    switch (field.format) {
        case ShowFormat::kHex:
            std::snprintf(text, sizeof text, "%llX", v);
            break;
        case ShowFormat::kHexByte:
            std::snprintf(text, sizeof text, "%02llX", v);
            break;
        case ShowFormat::kDecimal:
            std::snprintf(text, sizeof text, "%llu", v);
            break;
    }
    return text;
}

std::string FileSizeLine(const DialogDef& dialog, Offset fileSize) {
    char text[96];
    const auto size = static_cast<unsigned long long>(fileSize);
    std::snprintf(text, sizeof text, "%.*s%llX Bytes (In Hex) or %llu Bytes (In Decimal)",
                  static_cast<int>(dialog.sizePrefix.size()), dialog.sizePrefix.data(), size, size);
    return text;
}

CheckResult CheckDialogFields(const DialogDef& dialog, std::span<const std::string> texts,
                              DialogMembers& members) {
    for (const int index : dialog.checkOrder) {
        const FieldDef& field = *dialog.fields[static_cast<std::size_t>(index)];
        const std::string_view text = std::string_view(texts[static_cast<std::size_t>(index)])
                                          .substr(0, static_cast<std::size_t>(field.maxLength));
        if (text.empty())
            return {index, field.emptyMessage};
        if (!PassesCharTest(field, text))
            return {index, field.invalidMessage};
        const Offset value = ParseValue(field, text);
        if (!WithinLimit(field.limit, value, members.m_nFileSize)) {
            return {index, field.rangeMessage};
        }
        members.Set(field.member, value);
    }
    return {};
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
