#include "editing/field_checks.h"

#include <gtest/gtest.h>

#include <vector>

#include "document/offset.h"
#include "editing/find_fields.h"

namespace orvel {
namespace {

using Texts = std::vector<std::string>;

// A hex field, a trimmed decimal field and a hex field that may stay empty,
// checked in an order of their own.
constexpr FieldRow kFields[] = {
    {"Address:", NumberBase::kHex, 8},
    {"Count:", NumberBase::kDecimal, 4, true},
    {"Mask:", NumberBase::kHex, 2},
};
constexpr auto kChecks = JoinChecks(
    RequiredNumber(1, "fill count", "count chars", FieldRule::kBelowSize, "count size"),
    RequiredNumber(0, "fill address", "address chars", FieldRule::kAtMostSize, "address size"),
    std::array{CheckRow{2, FieldRule::kLeadingDigit, "mask chars"},
               CheckRow{2, FieldRule::kBelowSize, "mask size"}});
constexpr FieldTable kTable{kFields, kChecks};
static_assert(ChecksNameTheirFields(kTable));

std::optional<FieldFault> Check(Texts texts, Offset size = 100) {
    return CheckFields(kTable, texts, size);
}

TEST(FieldChecksTest, ChecksRunInTheTablesOrderAndStopAtTheFirstFault) {
    const struct {
        Texts texts;
        std::optional<FieldFault> fault;
    } rows[] = {
        {{"", "", ""}, FieldFault{1, "fill count"}},
        {{"zz", "1x", ""}, FieldFault{1, "count chars"}},
        {{"zz", "100", ""}, FieldFault{1, "count size"}},
        {{"zz", "99", ""}, FieldFault{0, "address chars"}},
        {{"", "99", ""}, FieldFault{0, "fill address"}},
        {{"65", "99", ""}, FieldFault{0, "address size"}},
        {{"64", "99", ""}, std::nullopt},  // the address may equal the size
        {{"64", "99", "G1"}, FieldFault{2, "mask chars"}},
        {{"64", "99", "1G"}, std::nullopt},  // only the first digit counts
        {{"64", "99", "FF"}, FieldFault{2, "mask size"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Check(row.texts), row.fault) << row.texts[0] << "|" << row.texts[1];
}

TEST(FieldChecksTest, BlanksAroundATrimmedFieldDoNotCount) {
    EXPECT_EQ(Check({"0", " 12\t", ""}), std::nullopt);
    EXPECT_EQ(Check({"0", "   ", ""}), (FieldFault{1, "fill count"}));
    EXPECT_EQ(Check({"0", "1 2", ""}), (FieldFault{1, "count chars"}));
    EXPECT_EQ(Check({" 0", "1", ""}), (FieldFault{0, "address chars"}));
}

TEST(FieldChecksTest, SizeRulesCompareUnsignedAndRefuseWhatPassesThirtyTwoBits) {
    EXPECT_EQ(Check({"0", "0", ""}, 0), (FieldFault{1, "count size"}));
    EXPECT_EQ(Check({"FFFFFFFF", "1", ""}, kMaxFileSize), std::nullopt);
    // Nine digits get here only when the control does not cut them.
    EXPECT_EQ(Check({"100000000", "1", ""}, kMaxFileSize), (FieldFault{0, "address size"}));
}

TEST(FieldChecksTest, AQuietCheckStillFails) {
    constexpr FieldRow field[] = {{"Hex:", NumberBase::kHex, 8, true}};
    constexpr CheckRow checks[] = {{0, FieldRule::kFilled, {}}, {0, FieldRule::kFitsLength, {}}};
    const FieldTable table{field, checks};
    EXPECT_EQ(CheckFields(table, Texts{" 12345678 "}), std::nullopt);
    EXPECT_EQ(CheckFields(table, Texts{"123456789"}), (FieldFault{0, {}}));
    EXPECT_EQ(CheckFields(table, Texts{" "}), (FieldFault{0, {}}));
}

TEST(FieldChecksTest, ValuesAndTexts) {
    EXPECT_EQ(FieldValue(kFields[1], " 0099 "), 99u);
    EXPECT_EQ(FieldValue(kFields[0], "aG"), 0xAu);
    EXPECT_EQ(FieldValue(kFields[0], ""), 0u);
    EXPECT_EQ(FieldValue(kFields[0], "123456789"), 0xFFFFFFFFu);
    EXPECT_EQ(CheckedText(kFields[1], "\t7 "), "7");
    EXPECT_EQ(CheckedText(kFields[0], " 7"), " 7");
    EXPECT_EQ(AddressFieldText(-1), "");
    EXPECT_EQ(AddressFieldText(0), "0");
    EXPECT_EQ(AddressFieldText(0xABC), "ABC");
    EXPECT_EQ(AddressFieldText(kMaxFileSize), "FFFFFFFF");
}

// Find Next: the start first, never against the file size; the pattern is a
// value text, blanks around it dropped.
TEST(FieldChecksTest, TheFindDialogsTable) {
    const FieldTable& find = FindBytesFields();
    const auto check = [&find](std::string what, std::string start) {
        Texts texts(2);
        texts[kFindWhat] = std::move(what);
        texts[kFindStart] = std::move(start);
        return CheckFields(find, texts, 0);
    };
    EXPECT_EQ(check("", ""), (FieldFault{kFindStart, "Please fill the Start Address field!"}));
    EXPECT_EQ(check("41", " 1"),
              (FieldFault{kFindStart, "Start Address field contains invalid characters!"}));
    EXPECT_EQ(check("   ", "FFFFFFFF"),
              (FieldFault{kFindWhat, "Please fill the Find What field!"}));
    EXPECT_EQ(check("4 1", "0"),
              (FieldFault{kFindWhat, "Find What field contains invalid characters!"}));
    EXPECT_EQ(check(" 41 ", "ffffffff"), std::nullopt);
    EXPECT_EQ(find.fields[kFindWhat].maxLength, 8);
    EXPECT_EQ(find.fields[kFindStart].maxLength, 8);
}

}  // namespace
}  // namespace orvel
