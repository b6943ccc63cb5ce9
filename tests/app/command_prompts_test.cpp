#include "app/command_prompts.h"

#include <gtest/gtest.h>

#include <set>

#include "app/menu_tables.h"
#include "app/toolbar_tables.h"

namespace orvel {
namespace {

// Every item a user can point at shows a prompt, and every button a tool tip.
TEST(CommandPromptsTest, EveryMenuItemAndButtonHasItsTexts) {
    for (const auto kind : {MenuBarKind::SingleFile, MenuBarKind::Comparison}) {
        for (const Menu& menu : MenuBar(kind)) {
            for (const MenuItem& item : menu.items) {
                if (item.cmd == Cmd::None || item.cmd == Cmd::FileRecent)
                    continue;
                EXPECT_FALSE(PromptOf(item.cmd).prompt.empty()) << item.text;
                EXPECT_FALSE(PromptOf(item.cmd).toolTip.empty()) << item.text;
            }
        }
    }
    for (const Toolbar& bar : Toolbars()) {
        for (const Cmd cmd : bar.buttons) {
            if (cmd != Cmd::None) {
                EXPECT_FALSE(PromptOf(cmd).toolTip.empty()) << bar.title;
            }
        }
    }
    EXPECT_TRUE(PromptOf(Cmd::None).prompt.empty());
    EXPECT_TRUE(PromptOf(Cmd::Escape).toolTip.empty());
}

// The string table's texts are kept word for word, slips included.
TEST(CommandPromptsTest, StringTableTextsAreKeptExactly) {
    struct Case {
        Cmd cmd;
        std::string_view prompt;
        std::string_view toolTip;
    };
    const Case cases[] = {
        {Cmd::MarkClear, "Clear all the color marks", "Clear Marks"},
        {Cmd::EditGoTo, "Go to hightlight the byte at specified address", "Go To"},
        {Cmd::OpFindNextDiff, "Find next diffrent byte", "Find Next Different Byte"},
        {Cmd::FileCompare, "Compare the structure of two files", "File Compare"},
        {Cmd::EditCutBytes, "Cut the selected bytes and put it into the global buffer",
         "Cut Bytes"},
        {Cmd::FileImportHexText,
         "Create a new binary file by importing the hex values text from a file",
         "Import Hex Values Text"},
        {Cmd::FileExportHexText, "Export the hex display text into a text file",
         "Export Hex Display Text"},
        {Cmd::EditUndo, "Undo the last action", "Undo"},
        {Cmd::EditRedo, "Redo the previously undone action", "Redo"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PromptOf(c.cmd).prompt, c.prompt);
        EXPECT_EQ(PromptOf(c.cmd).toolTip, c.toolTip);
    }
}

TEST(MenuTablesTest, ACommandsMenuTextIsItsFirstItem) {
    EXPECT_EQ(MenuTextOf(Cmd::EditDeleteBytes), "&Delete Bytes...\tDel");
    EXPECT_EQ(MenuTextOf(Cmd::FileSaveFile2), "Sa&ve File2");  // the comparison menu's only
    EXPECT_EQ(MenuTextOf(Cmd::Escape), "");
}

TEST(ToolbarTablesTest, TwoBarsWithTheirButtonGroups) {
    const auto bars = Toolbars();
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].title, "Main toolbar");
    EXPECT_EQ(bars[0].id, 128);
    EXPECT_EQ(bars[1].title, "Mark Toolbar");
    EXPECT_EQ(bars[1].id, 153);
    // Groups: New Open Compare / Save / File1 File2 / Cut Copy Paste / Print.
    std::vector<int> groups{0};
    for (const Cmd cmd : bars[0].buttons) {
        if (cmd == Cmd::None)
            groups.push_back(0);
        else
            ++groups.back();
    }
    EXPECT_EQ(groups, (std::vector<int>{3, 1, 2, 3, 1}));
    EXPECT_EQ(bars[1].buttons.back(), Cmd::MarkClear);
    EXPECT_EQ(bars[1].buttons[bars[1].buttons.size() - 2], Cmd::None);
}

}  // namespace
}  // namespace orvel
