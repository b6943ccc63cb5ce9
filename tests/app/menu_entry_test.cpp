#include "app/menu_entry.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace orvel
