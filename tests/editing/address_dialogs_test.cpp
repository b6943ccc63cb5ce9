#include "editing/address_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/block_kernels.h"

namespace orvel {
namespace {

using Texts = std::vector<std::string>;

const DumpLayout kSingle;

constexpr DialogId kAllDialogs[] = {
    DialogId::kCopyBytes,      DialogId::kCutBytes,     DialogId::kDeleteBytes,
    DialogId::kSelectBytes,    DialogId::kReverseSeq,   DialogId::kOnesComplement,
    DialogId::kTwosComplement, DialogId::kReplaceBytes, DialogId::kMaskBytes,
    DialogId::kBitwiseShift,   DialogId::kGoTo,         DialogId::kPasteBytes,
    DialogId::kInsertBytes,
};

constexpr std::string_view kStartSize =
    "The value in the Start Address field can not be the same or larger than the value of file "
    "size!";
constexpr std::string_view kEndSize =
    "The value in the End Address field can not be the same or larger than the value of the file "
    "size!";

// The first fault of CheckDialogFields, as the field's index (-1 for none) and message.
struct Result {
    int failedField = -1;
    std::string_view message;
    [[nodiscard]] bool ok() const { return failedField < 0; }
};

Result Check(const DialogDef& dialog, const Texts& texts, DialogMembers& members) {
    const std::optional<FieldFault> fault = CheckDialogFields(dialog, texts, members);
    if (!fault)
        return {};
    return {static_cast<int>(fault->field), fault->message};
}

struct Row {
    DialogId dialog;
    Offset fileSize;
    Texts texts;  // in the order the fields are shown
    int failedField;
    std::string_view message;
};

TEST(AddressDialogsTest, ChecksRunInOrderAndReportTheFirstFault) {
    const Row rows[] = {
        {DialogId::kCopyBytes, 100, {"", ""}, 0, "Please fill the Start Address field!"},
        {DialogId::kCopyBytes,
         100,
         {"12G4", ""},
         0,
         "Start Address field contains invalid characters!"},
        {DialogId::kCutBytes, 100, {"64", ""}, 0, kStartSize},
        {DialogId::kDeleteBytes, 100, {"FFFFFFFF", "0"}, 0, kStartSize},
        {DialogId::kSelectBytes, 100, {"63", ""}, 1, "Please fill the End Address field!"},
        {DialogId::kReverseSeq,
         100,
         {"0", "6-"},
         1,
         "End Address field contains invalid characters!"},
        {DialogId::kOnesComplement, 100, {"0", "64"}, 1, kEndSize},
        {DialogId::kTwosComplement, 0, {"0", "0"}, 0, kStartSize},
        {DialogId::kCopyBytes, 100, {"3F", "A"}, -1, {}},
        // Replace: the block first, then old and new value; its own wording of the size message.
        {DialogId::kReplaceBytes, 100, {"", "", "", ""}, 2, "Please fill the Start Address field!"},
        {DialogId::kReplaceBytes,
         100,
         {"", "", "64", ""},
         2,
         "The value in the Start Address field can not be the same or larger than the value of "
         "the file size!"},
        {DialogId::kReplaceBytes, 100, {"", "", "0", "64"}, 3, kEndSize},
        {DialogId::kReplaceBytes, 100, {"", "", "0", "63"}, 0, "Please fill the Old Value field!"},
        {DialogId::kReplaceBytes,
         100,
         {"0x", "", "0", "63"},
         0,
         "Old Value field contains invalid characters!"},
        {DialogId::kReplaceBytes,
         100,
         {"00", "", "0", "63"},
         1,
         "Please fill the New Value field!"},
        {DialogId::kReplaceBytes,
         100,
         {"00", "G", "0", "63"},
         1,
         "New Value field contains invalid characters!"},
        {DialogId::kReplaceBytes, 100, {"00", "ff", "0", "63"}, -1, {}},
        // Mask: the block first; the value must begin with a hex digit.
        {DialogId::kMaskBytes, 100, {"", "", ""}, 1, "Please fill the Start Address field!"},
        {DialogId::kMaskBytes, 100, {"", "64", ""}, 1, kStartSize},
        {DialogId::kMaskBytes, 100, {"", "0", "0"}, 0, "Please fill the Mask Value field!"},
        {DialogId::kMaskBytes,
         100,
         {"G1", "0", "0"},
         0,
         "Mask Value field contains invalid characters!"},
        {DialogId::kMaskBytes,
         100,
         {" 1", "0", "0"},
         0,
         "Mask Value field contains invalid characters!"},
        {DialogId::kMaskBytes, 100, {"1G", "0", "0"}, -1, {}},
        // Shift: the block first, then the count.
        {DialogId::kBitwiseShift, 100, {"", "", ""}, 1, "Please fill the Start Address field!"},
        {DialogId::kBitwiseShift, 100, {"", "0", "64"}, 2, kEndSize},
        {DialogId::kBitwiseShift,
         100,
         {"", "0", "0"},
         0,
         "Please fill the Number of Shift (Dec) field!"},
        {DialogId::kBitwiseShift,
         100,
         {"A", "0", "0"},
         0,
         "Number of Shift (Dec) field contains invalid characters!"},
        {DialogId::kBitwiseShift, 100, {"9", "0", "0"}, -1, {}},
        // Go To.
        {DialogId::kGoTo, 0x40, {""}, 0, "Please fill the Address field!"},
        {DialogId::kGoTo, 0x40, {"-3"}, 0, "Address field contains invalid characters!"},
        {DialogId::kGoTo,
         0x40,
         {"40"},
         0,
         "The value in the Address field can not be the same or larger than the value of the "
         "file size!"},
        {DialogId::kGoTo, 0x40, {"3f"}, -1, {}},
        {DialogId::kGoTo,
         0,
         {"0"},
         0,
         "The value in the Address field can not be the same or larger than the value of the "
         "file size!"},
        // Paste and Insert: the start may equal the size.
        {DialogId::kPasteBytes, 100, {"64"}, -1, {}},
        {DialogId::kPasteBytes, 0, {"0"}, -1, {}},
        {DialogId::kPasteBytes,
         100,
         {"65"},
         0,
         "The value in the Start Address field can not be larger than the value of the file "
         "size!"},
        {DialogId::kInsertBytes, 2, {"", "", ""}, 0, "Please fill the Start Address field!"},
        {DialogId::kInsertBytes,
         2,
         {"2", "", ""},
         2,
         "Please fill the Default Byte Value (Hex) field!"},
        {DialogId::kInsertBytes,
         2,
         {"2", "", "F."},
         2,
         "Default Byte Value (Hex) field contains invalid characters!"},
        {DialogId::kInsertBytes,
         2,
         {"2", "", "FF"},
         1,
         "Please fill the Number of Bytes (Dec) field!"},
        {DialogId::kInsertBytes,
         2,
         {"2", "12A", "FF"},
         1,
         "Number of Bytes (Dec) field contains invalid characters!"},
        {DialogId::kInsertBytes, 2, {"2", "999999999", "FF"}, -1, {}},
    };
    for (const Row& row : rows) {
        const DialogDef& dialog = GetDialogDef(row.dialog);
        DialogMembers members;
        members.m_nFileSize = row.fileSize;
        const Result result = Check(dialog, row.texts, members);
        const std::string where = std::string(dialog.title) + " " + row.texts[0];
        EXPECT_EQ(result.failedField, row.failedField) << where;
        EXPECT_EQ(result.message, row.message) << where;
        EXPECT_EQ(result.ok(), row.failedField < 0) << where;
    }
}

TEST(AddressDialogsTest, PassingChecksHandBackTheValues) {
    DialogMembers insert;
    insert.m_nFileSize = 2;
    ASSERT_TRUE(
        Check(GetDialogDef(DialogId::kInsertBytes), Texts{"2", "999999999", "fe"}, insert).ok());
    EXPECT_EQ(insert.m_nStartAddr, 2);
    EXPECT_EQ(insert.m_nByteCount, 999999999);
    EXPECT_EQ(insert.m_nDefaultValue, 0xFE);

    DialogMembers range;
    range.m_nFileSize = kMaxFileSize;
    ASSERT_TRUE(Check(GetDialogDef(DialogId::kCopyBytes), Texts{"FFFFFFFE", "0"}, range).ok());
    EXPECT_EQ(range.m_nStartAddr, 0xFFFFFFFE);  // unsigned: a start above end passes
    EXPECT_EQ(range.m_nEndAddr, 0);

    DialogMembers mask;
    mask.m_nFileSize = 1;
    ASSERT_TRUE(Check(GetDialogDef(DialogId::kMaskBytes), Texts{"aG", "0", "0"}, mask).ok());
    EXPECT_EQ(mask.m_nMaskValue, 0xA);  // read from the leading hex digits
}

TEST(AddressDialogsTest, NoMemberAfterTheFaultyFieldChanges) {
    DialogMembers members;
    members.m_nFileSize = 100;
    EXPECT_EQ(Check(GetDialogDef(DialogId::kCopyBytes), Texts{"5", "Z"}, members).failedField, 1);
    EXPECT_EQ(members.m_nEndAddr, -1);

    DialogMembers replace;
    replace.m_nFileSize = 100;
    EXPECT_FALSE(
        Check(GetDialogDef(DialogId::kReplaceBytes), Texts{"12", "", "64", "1"}, replace).ok());
    EXPECT_EQ(replace.m_nOldValue, 0);
    EXPECT_EQ(replace.m_nEndAddr, -1);
}

TEST(AddressDialogsTest, ALongerPastedTextIsCutToTheFieldsLength) {
    DialogMembers members;
    members.m_nFileSize = 100;
    // A ninth digit never arrives in an eight-character field.
    EXPECT_TRUE(Check(GetDialogDef(DialogId::kPasteBytes), Texts{"000000010"}, members).ok());
    EXPECT_EQ(members.m_nStartAddr, 1);
}

// Every dialog with an address: the file size as the first address checked is
// refused, except as the start of Paste and Insert.
TEST(AddressDialogsTest, AnAddressEqualToTheSizeIsRefusedButByPasteAndInsert) {
    for (const DialogId id : kAllDialogs) {
        const DialogDef& dialog = GetDialogDef(id);
        for (const CheckRow& check : dialog.table.checks) {
            if (check.rule != FieldRule::kBelowSize && check.rule != FieldRule::kAtMostSize)
                continue;
            const int address = static_cast<int>(check.field);
            const FieldRow& field = dialog.table.fields[check.field];
            Texts texts(dialog.table.fields.size(), "0");
            texts[check.field] = "1A";
            DialogMembers members;
            members.m_nFileSize = 26;
            const Result result = Check(dialog, texts, members);
            const bool mayEqual = id == DialogId::kPasteBytes || id == DialogId::kInsertBytes;
            EXPECT_EQ(result.ok(), mayEqual) << dialog.title << " " << field.label;
            if (!result.ok()) {
                EXPECT_EQ(result.failedField, address);
                EXPECT_EQ(result.message, check.message);
            }
        }
    }
}

TEST(AddressDialogsTest, FileSizeLine) {
    EXPECT_EQ(FileSizeLine(GetDialogDef(DialogId::kCopyBytes), 26),
              "File Size: 0x 1A Bytes (In Hex) or 26 Bytes (In Decimal)");
    EXPECT_EQ(FileSizeLine(GetDialogDef(DialogId::kBitwiseShift), 26),
              "File Size: 0X 1A Bytes (In Hex) or 26 Bytes (In Decimal)");
    EXPECT_EQ(FileSizeLine(GetDialogDef(DialogId::kInsertBytes), 6699),
              "File Size: 0x 1A2B Bytes (In Hex) or 6699 Bytes (In Decimal)");
    EXPECT_EQ(FileSizeLine(GetDialogDef(DialogId::kGoTo), kMaxFileSize),
              "File Size: 0x FFFFFFFF Bytes (In Hex) or 4294967295 Bytes (In Decimal)");
    for (const DialogId id : kAllDialogs) {
        if (id == DialogId::kBitwiseShift)
            continue;
        EXPECT_EQ(FileSizeLine(GetDialogDef(id), 0).substr(0, 16), "File Size: 0x 0 ")
            << GetDialogDef(id).title;
    }
}

// The field texts a dialog opens with, for a selection of a 100-byte file.
Texts OpeningTexts(DialogId id, TextSelection selection, Offset fileSize = 100,
                   const BitwiseSettings& settings = {}) {
    const DialogDef& dialog = GetDialogDef(id);
    const DialogMembers members = OpenDialogMembers(dialog, kSingle, selection, fileSize, settings);
    EXPECT_EQ(members.m_nFileSize, fileSize);
    Texts texts;
    for (std::size_t field = 0; field < dialog.table.fields.size(); ++field)
        texts.push_back(FieldText(dialog, field, members));
    return texts;
}

TEST(AddressDialogsTest, PresetsFromTheSelection) {
    const TextSelection none{0, 0};  // the caret in the header
    const TextSelection caret{kSingle.ByteToHexPos(5).high, kSingle.ByteToHexPos(5).high};
    const TextSelection oneByte = SelectByte(kSingle, 5);
    const TextSelection block = SelectBytes(kSingle, 0x10, 0x1F);
    const TextSelection pastEnd = SelectByte(kSingle, 0x67);  // cells beyond the last byte

    struct Row {
        DialogId dialog;
        TextSelection selection;
        Texts texts;
    };
    const Row rows[] = {
        {DialogId::kCopyBytes, none, {"", ""}},
        {DialogId::kCopyBytes, oneByte, {"5", "5"}},
        {DialogId::kDeleteBytes, caret, {"5", "5"}},
        {DialogId::kReverseSeq, block, {"10", "1F"}},
        {DialogId::kSelectBytes, none, {"0", "63"}},
        {DialogId::kSelectBytes, oneByte, {"0", "63"}},
        {DialogId::kSelectBytes, block, {"10", "1F"}},
        {DialogId::kReplaceBytes, caret, {"00", "00", "0", "63"}},
        {DialogId::kReplaceBytes, block, {"00", "00", "10", "1F"}},
        {DialogId::kOnesComplement, oneByte, {"0", "63"}},
        {DialogId::kTwosComplement, block, {"10", "1F"}},
        {DialogId::kMaskBytes, oneByte, {"FF", "0", "63"}},
        {DialogId::kBitwiseShift, block, {"0", "10", "1F"}},
        {DialogId::kGoTo, block, {"0"}},
        {DialogId::kPasteBytes, caret, {"5"}},
        {DialogId::kPasteBytes, none, {""}},
        {DialogId::kPasteBytes, pastEnd, {"64"}},
        {DialogId::kInsertBytes, block, {"10", "0", "00"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(OpeningTexts(row.dialog, row.selection), row.texts)
            << GetDialogDef(row.dialog).title;
    }
}

TEST(AddressDialogsTest, PresetsOfAnEmptyFile) {
    const TextSelection none{0, 0};
    EXPECT_EQ(OpeningTexts(DialogId::kGoTo, none, 0), Texts{"0"});
    EXPECT_EQ(OpeningTexts(DialogId::kInsertBytes, SelectByte(kSingle, 0), 0),
              (Texts{"0", "0", "00"}));
    EXPECT_EQ(OpeningTexts(DialogId::kCopyBytes, none, 0), (Texts{"", ""}));
}

TEST(AddressDialogsTest, ShiftAndMaskRememberTheirSettings) {
    BitwiseSettings settings;
    const DialogDef& mask = GetDialogDef(DialogId::kMaskBytes);
    DialogMembers members = OpenDialogMembers(mask, kSingle, {}, 100, settings);
    EXPECT_EQ(members.m_nMaskType, 0);  // AND
    members.m_nMaskType = 2;            // the XOR button
    ASSERT_TRUE(Check(mask, Texts{"0F", "0", "1"}, members).ok());
    RememberBitwiseSettings(mask, members, settings);

    const DialogMembers again = OpenDialogMembers(mask, kSingle, {}, 100, settings);
    EXPECT_EQ(again.m_nMaskType, 2);
    EXPECT_EQ(FieldText(mask, 0, again), "F");

    const DialogDef& shift = GetDialogDef(DialogId::kBitwiseShift);
    DialogMembers shiftMembers = OpenDialogMembers(shift, kSingle, {}, 100, settings);
    EXPECT_EQ(shiftMembers.m_nShiftType, 0);
    shiftMembers.m_nShiftType = 1;
    ASSERT_TRUE(Check(shift, Texts{"7", "0", "1"}, shiftMembers).ok());
    RememberBitwiseSettings(shift, shiftMembers, settings);
    EXPECT_EQ(settings.m_nShiftType, 1);
    EXPECT_EQ(settings.m_nShiftCount, 7);
    EXPECT_EQ(settings.m_nMaskType, 2);  // untouched by the Shift dialog
    EXPECT_EQ(OpeningTexts(DialogId::kBitwiseShift, {}, 100, settings)[0], "7");
}

TEST(AddressDialogsTest, EveryDialogHasItsTitleAndFields) {
    for (const DialogId id : kAllDialogs) {
        const DialogDef& dialog = GetDialogDef(id);
        EXPECT_EQ(dialog.id, id);
        EXPECT_FALSE(dialog.title.empty());
        const std::size_t count = dialog.table.fields.size();
        ASSERT_EQ(dialog.bindings.size(), count) << dialog.title;
        // Every field must be filled and is tested for its characters, once,
        // and every fault has its message.
        std::vector<int> filled(count);
        std::vector<int> characters(count);
        for (const CheckRow& check : dialog.table.checks) {
            EXPECT_FALSE(check.message.empty()) << dialog.title;
            filled[check.field] += check.rule == FieldRule::kFilled ? 1 : 0;
            characters[check.field] +=
                check.rule == FieldRule::kDigits || check.rule == FieldRule::kLeadingDigit ? 1 : 0;
        }
        EXPECT_EQ(filled, std::vector<int>(count, 1)) << dialog.title;
        EXPECT_EQ(characters, std::vector<int>(count, 1)) << dialog.title;
    }
}

}  // namespace
}  // namespace orvel
