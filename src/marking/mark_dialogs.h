#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/offset.h"
#include "editing/field_checks.h"
#include "editing/validators.h"

namespace orvel {

// The four marking dialogs as data: titles, labels, the field tables (the
// fields, and the checks OK runs with their exact messages), the per-type
// labels of Mark Patterns, and the settings each view remembers with their
// initial values. The Qt dialogs are built from these tables and run them on
// OK; on a fault they show the message (OK button only), focus the field and
// select its whole text, and stay open. Nothing here is thread-bound.

struct MarkDialogText {
    std::string_view title;
    std::string_view clearBox;  // the "Clear Previous Marks ..." check box
    SizePrefix sizePrefix;      // of the file-size line
};

// A Mark Blocks address: -1 (not given) for an empty field; 80000000 and above
// are negative as 32-bit signed values and so count as not given too.
[[nodiscard]] std::int32_t BlockAddressValue(std::string_view text);

// The block Mark Bytes, Mark Units and Mark Patterns open with: the selected
// bytes (first, last from GetSelectedBytes) when they are more than one byte,
// otherwise the whole file (0 to size - 1). A negative end is shown empty.
struct MarkBlock {
    Offset start;
    Offset end;
    friend bool operator==(const MarkBlock&, const MarkBlock&) = default;
};
[[nodiscard]] MarkBlock PresetMarkBlock(Offset selectedFirst, Offset selectedLast, Offset fileSize);

inline constexpr std::string_view kBlackName = "Black";
inline constexpr std::string_view kApplyToBlock = "Apply To Block";

// ---- Mark Bytes --------------------------------------------------------------

inline constexpr MarkDialogText kMarkBytesText{"Mark Bytes", "Clear Previous Marks In the Block",
                                               SizePrefix::kUpper};
inline constexpr std::string_view kMarkBytesValueGroup = "Select Mark Value and Color";
inline constexpr std::string_view kColorLabel = "Color:";
enum MarkBytesField : std::size_t { kBytesStart, kBytesEnd, kBytesValue1 };  // values 1..4 follow
inline constexpr std::size_t kMarkValueSlots = 4;
[[nodiscard]] const FieldTable& MarkBytesFields();

// Remembered per view; replaced on OK slot by slot: each slot's text always,
// its colour only when the text is not empty.
struct MarkBytesSettings {
    bool clearBlock = true;
    std::array<std::string, kMarkValueSlots> values{};
    std::array<std::string, kMarkValueSlots> colors{
        std::string(kBlackName), std::string(kBlackName), std::string(kBlackName),
        std::string(kBlackName)};
};

// ---- Mark Blocks -------------------------------------------------------------

inline constexpr MarkDialogText kMarkBlocksText{"Mark Blocks", "Clear Previous Marks In the File",
                                                SizePrefix::kLower};
inline constexpr std::size_t kMarkBlockCount = 3;
// Fields 2k and 2k + 1 are the start and end of block k + 1.
[[nodiscard]] const FieldTable& MarkBlocksFields();
[[nodiscard]] std::string_view MarkBlockGroup(std::size_t block);  // "Mark Block 1" ...

// Remembered per view; on OK all six addresses are stored, and a block's
// colour only when both its addresses are given (0 or more).
struct MarkBlocksSettings {
    bool clearFile = true;
    std::array<std::int32_t, kMarkBlockCount> starts{-1, -1, -1};
    std::array<std::int32_t, kMarkBlockCount> ends{-1, -1, -1};
    std::array<std::string, kMarkBlockCount> colors{
        std::string(kBlackName), std::string(kBlackName), std::string(kBlackName)};
};

// ---- Mark Units --------------------------------------------------------------

inline constexpr MarkDialogText kMarkUnitsText{"Mark Units", "Clear Previous Marks In the Block",
                                               SizePrefix::kLower};
inline constexpr std::string_view kMarkUnitsColorGroup =
    "Please choose two different colors to distinguish each unit";
inline constexpr std::string_view kUnitColor1Label = "Color #1:";
inline constexpr std::string_view kUnitColor2Label = "Color #2:";
enum MarkUnitsField : std::size_t { kUnitsStart, kUnitsEnd, kUnitsSize };
[[nodiscard]] const FieldTable& MarkUnitsFields();

struct MarkUnitsSettings {
    bool clearBlock = true;
    std::int32_t unitSize = 2;
    std::string color1{kBlackName};
    std::string color2{kBlackName};
};

// ---- Mark Patterns -----------------------------------------------------------

enum class PatternType { kType1, kType2, kType3 };
inline constexpr std::size_t kPatternTypeCount = 3;

inline constexpr MarkDialogText kMarkPatternsText{
    "Mark Patterns", "Clear Previous Marks In the Block", SizePrefix::kLower};
inline constexpr std::string_view kPatternTypeGroup = "Pattern Type";
inline constexpr std::array<std::string_view, kPatternTypeCount> kPatternTypeNames{"Type1", "Type2",
                                                                                   "Type3"};
inline constexpr std::string_view kBytesUnit = "(Bytes)";  // after the second edit
inline constexpr std::string_view kFollowingLine = "Color of the Byte Following";

// The value fields of the dialog: header value (hex), the count of body or tail
// bytes (decimal), tail value (hex).
enum MarkPatternsField : std::size_t {
    kPatternsStart,
    kPatternsEnd,
    kPatternsHeader,
    kPatternsCount,
    kPatternsTail
};

// Labels and visibility for one type; an empty field label hides that field
// (the second field's "(Bytes)" with it).
struct PatternTypeLabels {
    std::string_view headerLabel;
    std::string_view headerColorLabel;
    std::string_view countLabel;
    std::string_view bodyColorLabel;
    std::string_view tailLabel;
    bool followingLine;  // kFollowingLine shown above the third colour list
    std::string_view tailColorLabel;
};
[[nodiscard]] const PatternTypeLabels& PatternLabels(PatternType type);
// The fields and checks for one type; hidden fields are read but not checked.
[[nodiscard]] const FieldTable& MarkPatternsFields(PatternType type);

// What one type remembers: the three texts as typed and the three colours
// (header, body or tail bytes, tail or following byte).
struct PatternTypeSettings {
    std::string header;
    std::string count;
    std::string tail;
    std::array<std::string, 3> colors{std::string(kBlackName), std::string(kBlackName),
                                      std::string(kBlackName)};
};

// The number of body or tail bytes a remembered count text stands for.
[[nodiscard]] std::uint32_t PatternCountValue(std::string_view count);

// Remembered per view. The dialog opens with the remembered type's values;
// switching the type relabels the fields but keeps the texts and colours as
// they stand; OK stores them as the chosen type's values only.
struct MarkPatternsSettings {
    bool clearBlock = true;
    PatternType type = PatternType::kType1;
    std::array<PatternTypeSettings, kPatternTypeCount> types{};
};

}  // namespace orvel
