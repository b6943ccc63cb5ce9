#include "ui/menu_entry.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

namespace orvel {
namespace {

TEST(MenuEntryTest, NumbersTheEntryAndShowsEveryAmpersandAsItself) {
    struct Case {
        int number;
        std::string_view name;
        std::string_view expected;
    };
    const Case cases[] = {
        {1, "/tmp/a.bin", "&1 /tmp/a.bin"},
        {2, "R&D notes.bin", "&2 R&&D notes.bin"},
        {3, "&&&", "&3 &&&&&&"},
        {4, "&", "&4 &&"},
        {10, "", "&10 "},
        {1, "Gr\xC3\xBC\xC3\x9F & Co.bin", "&1 Gr\xC3\xBC\xC3\x9F && Co.bin"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumberedMenuEntry(c.number, c.name), c.expected) << c.name;
}

TEST(MenuEntryTest, MenuNamesDropMarksDotsAndKeys) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"&Delete Bytes...\tDel", "Delete Bytes"},
        {"&1's Complement...", "1's Complement"},
        {"Bitwise &Mask...", "Bitwise Mask"},
        {"R&&D &Notes", "R&D Notes"},
        {"Trailing &", "Trailing "},
        {"", ""},
    };
    for (const auto& [text, name] : cases)
        EXPECT_EQ(MenuName(text), name) << text;
}

TEST(MenuEntryTest, NamedEntriesPutTheNameBeforeTheKeys) {
    EXPECT_EQ(NamedMenuEntry("&Undo\tCtrl+Z", "Delete Bytes"), "&Undo Delete Bytes\tCtrl+Z");
    EXPECT_EQ(NamedMenuEntry("&Redo\tCtrl+Y", "Typing"), "&Redo Typing\tCtrl+Y");
    EXPECT_EQ(NamedMenuEntry("&Redo\tCtrl+Y", ""), "&Redo\tCtrl+Y");
    EXPECT_EQ(NamedMenuEntry("&Undo", "R&D"), "&Undo R&&D");
}

}  // namespace
}  // namespace orvel
