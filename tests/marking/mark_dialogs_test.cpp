#include "marking/mark_dialogs.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvel {
namespace {

std::optional<FieldFault> Check(const FieldTable& fields, std::vector<std::string> texts,
                                Offset size) {
    return CheckFields(fields, texts, size);
}

constexpr std::string_view kStartEmpty = "Please fill the Start Address field!";
constexpr std::string_view kStartLarge =
    "The value in the Start Address field can not be the same or larger than the value of file "
    "size!";
constexpr std::string_view kEndLarge =
    "The value in the End Address field can not be the same or larger than the value of the file "
    "size!";

TEST(MarkDialogsTest, MarkBytesChecksInOrderAndStopsAtTheFirstFault) {
    const FieldTable& fields = MarkBytesFields();
    const struct {
        std::vector<std::string> texts;
        std::optional<FieldFault> fault;
    } rows[] = {
        {{"", "", "", "", "", ""}, FieldFault{0, kStartEmpty}},
        {{"1G", "", "", "", "", ""},
         FieldFault{0, "Start Address field contains invalid characters!"}},
        {{"64", "0", "", "", "", ""}, FieldFault{0, kStartLarge}},
        {{"FFFFFFFF", "0", "", "", "", ""}, FieldFault{0, kStartLarge}},
        {{"63", "", "", "", "", ""}, FieldFault{1, "Please fill the End Address field!"}},
        {{"0", "x", "", "", "", ""},
         FieldFault{1, "End Address field contains invalid characters!"}},
        {{"0", "64", "", "", "", ""}, FieldFault{1, kEndLarge}},
        // Empty values are allowed; start above end too; blanks around values are removed.
        {{"63", "0", "", " 41 ", "", ""}, std::nullopt},
        {{"0", "63", "4 1", "zz", "", ""},
         FieldFault{2, "Value1 field contains invalid characters!"}},
        {{"0", "63", "", "", "", "12G4"},
         FieldFault{5, "Value4 field contains invalid characters!"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Check(fields, row.texts, 100), row.fault);
    EXPECT_EQ(Check(fields, {"0", "0", "", "", "", ""}, 0), (FieldFault{0, kStartLarge}));
}

TEST(MarkDialogsTest, MarkBlocksChecksOnlyCharacters) {
    const FieldTable& fields = MarkBlocksFields();
    EXPECT_EQ(Check(fields, {"", "", "", "", "", ""}, 10), std::nullopt);
    EXPECT_EQ(Check(fields, {"FFFFFFFF", "20", "", "", "", ""}, 10), std::nullopt);
    EXPECT_EQ(Check(fields, {"", "", "", "q", "", "q"}, 10),
              (FieldFault{3, "Block2 End Address field contains invalid characters!"}));
    EXPECT_EQ(Check(fields, {"", "", "", "", "-1", ""}, 10),
              (FieldFault{4, "Block3 Start Address field contains invalid characters!"}));
    EXPECT_EQ(BlockAddressValue(""), -1);
    EXPECT_EQ(BlockAddressValue("7FFFFFFF"), 0x7FFFFFFF);
    EXPECT_EQ(BlockAddressValue("80000000"), -1);
    EXPECT_EQ(BlockAddressValue("1a"), 0x1A);
    EXPECT_EQ(MarkBlockGroup(2), "Mark Block 3");
}

TEST(MarkDialogsTest, MarkUnitsSizeMustBeBelowTheFileSize) {
    const FieldTable& fields = MarkUnitsFields();
    const std::string_view large =
        "The value in the Number of Bytes in Each Unit (Dec) field can not be the same or larger "
        "than the value of the file size!";
    EXPECT_EQ(Check(fields, {"0", "63", "100"}, 100), (FieldFault{2, large}));
    EXPECT_EQ(Check(fields, {"0", "63", "99"}, 100), std::nullopt);
    EXPECT_EQ(Check(fields, {"0", "63", ""}, 100),
              (FieldFault{2, "Please fill the Number of Bytes in Each Unit (Dec) field!"}));
    EXPECT_EQ(
        Check(fields, {"0", "63", "1A"}, 100),
        (FieldFault{2, "Number of Bytes in Each Unit (Dec) field contains invalid characters!"}));
    EXPECT_EQ(fields.fields[kUnitsSize].maxLength, 4);
    EXPECT_EQ(fields.fields[kUnitsSize].kind, NumberBase::kDecimal);
}

TEST(MarkDialogsTest, MarkPatternsChecksTheFieldsOfTheChosenType) {
    const std::string_view header = "Header Value field contains invalid characters!";
    const std::string_view tail = "Tail Value field contains invalid characters!";
    const std::string_view sizeEmpty = "Please fill the Body Size field!";
    const std::string_view sizeBad = "Body Size (Dec) field contains invalid characters!";
    const struct {
        PatternType type;
        std::vector<std::string> texts;
        std::optional<FieldFault> fault;
    } rows[] = {
        {PatternType::kType1, {"0", "9", "", "junk", ""}, std::nullopt},
        {PatternType::kType1, {"0", "9", "4G", "", ""}, FieldFault{2, header}},
        {PatternType::kType1, {"0", "9", "4D", "", "Z"}, FieldFault{4, tail}},
        {PatternType::kType2, {"0", "9", "", "", ""}, FieldFault{3, sizeEmpty}},
        {PatternType::kType2, {"0", "9", "", " 12 ", "5A"}, std::nullopt},
        {PatternType::kType2, {"0", "9", "", "1A", ""}, FieldFault{3, sizeBad}},
        {PatternType::kType2, {"0", "9", "", "3", "Q"}, FieldFault{4, tail}},
        {PatternType::kType3, {"0", "9", "7E", "3", "junk"}, std::nullopt},
        {PatternType::kType3, {"0", "9", "7E", "", ""}, FieldFault{3, sizeEmpty}},
        {PatternType::kType3, {"", "9", "x", "", ""}, FieldFault{0, kStartEmpty}},
        {PatternType::kType3, {"0", "A", "x", "", ""}, FieldFault{1, kEndLarge}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Check(MarkPatternsFields(row.type), row.texts, 10), row.fault);
    }
}

TEST(MarkDialogsTest, PatternLabelsFollowTheType) {
    EXPECT_TRUE(PatternLabels(PatternType::kType1).countLabel.empty());
    EXPECT_EQ(PatternLabels(PatternType::kType1).tailLabel, "Tail Value (Hex):");
    EXPECT_EQ(PatternLabels(PatternType::kType2).countLabel, "Number of Body Bytes (Dec):");
    EXPECT_EQ(PatternLabels(PatternType::kType2).tailColorLabel, "Tail Color:");
    const PatternTypeLabels& type3 = PatternLabels(PatternType::kType3);
    EXPECT_EQ(type3.countLabel, "Number of Tail Bytes (Dec):");
    EXPECT_EQ(type3.bodyColorLabel, "Color of Tail Bytes:");
    EXPECT_TRUE(type3.tailLabel.empty());
    EXPECT_TRUE(type3.followingLine);
    EXPECT_EQ(type3.tailColorLabel, "the Last Tail Byte");
}

TEST(MarkDialogsTest, PresetsAndInitialSettings) {
    EXPECT_EQ(PresetMarkBlock(0x10, 0x1F, 100), (MarkBlock{0x10, 0x1F}));
    EXPECT_EQ(PresetMarkBlock(5, 5, 100), (MarkBlock{0, 99}));
    EXPECT_EQ(PresetMarkBlock(-1, -1, 100), (MarkBlock{0, 99}));
    EXPECT_EQ(PresetMarkBlock(-1, -1, 0), (MarkBlock{0, -1}));

    const MarkUnitsSettings units;
    EXPECT_EQ(units.unitSize, 2);
    EXPECT_EQ(units.color2, "Black");
    const MarkBlocksSettings blocks;
    EXPECT_EQ(blocks.starts[2], -1);
    EXPECT_EQ(blocks.colors[1], "Black");
    const MarkPatternsSettings patterns;
    EXPECT_EQ(patterns.type, PatternType::kType1);
    EXPECT_EQ(patterns.types[2].colors[2], "Black");
    EXPECT_TRUE(MarkBytesSettings{}.clearBlock);

    EXPECT_EQ(PatternCountValue(" 0099 "), 99u);
    EXPECT_EQ(FileSizeText(0, kMarkBytesText.sizePrefix).substr(0, 14), "File Size: 0X ");
    EXPECT_EQ(FileSizeText(0, kMarkUnitsText.sizePrefix).substr(0, 14), "File Size: 0x ");
}

}  // namespace
}  // namespace orvel
