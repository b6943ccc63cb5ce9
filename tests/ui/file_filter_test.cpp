#include "ui/file_filter.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

TEST(FileFilterTest, PairsBecomeDialogFilters) {
    struct Case {
        std::string_view pairs;
        std::string_view expected;
    };
    const Case cases[] = {
        {"Text Files (*.txt)|*.txt|Document Files (*.doc)|*.doc|All Files (*.*)|*.*||",
         "Text Files (*.txt);;Document Files (*.doc);;All Files (*)"},
        // A description that does not name its patterns gets them appended.
        {"Binary|*.bin;*.dat||", "Binary (*.bin *.dat)"},
        {"Images (*.png;*.jpg)|*.png;*.jpg||", "Images (*.png *.jpg)"},
        {"", ""},
        {"||", ""},
        // A pair without its patterns or the closing bars is tolerated.
        {"All Files (*.*)|*.*", "All Files (*)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DialogFilter(c.pairs), c.expected) << c.pairs;
}

TEST(FileFilterTest, OpenDialogAddsTheDefaultExtensionOnlyUnderItsOwnFilter) {
    struct Case {
        std::string_view chosen;
        std::string_view suffix;
        std::string_view expected;
    };
    const Case cases[] = {
        {"Text Files (*.txt)", "txt", "txt"},
        {"All Files (*)", "txt", ""},
        {"Document Files (*.doc)", "txt", ""},
        {"Texts (*.txt *.text)", "txt", ""},
        {"Texts (*.txtx)", "txt", ""},
        {"Text Files (*.txt)", "", ""},
        {"", "txt", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OpenDialogSuffix(c.chosen, c.suffix), c.expected) << c.chosen;
}

}  // namespace
}  // namespace orvel
