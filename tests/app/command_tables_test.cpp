#include "app/command_catalog.h"

#include <gtest/gtest.h>

#include <set>

#include "app/menu_tables.h"
#include "app/toolbar_tables.h"

namespace orvel {
namespace {

class CommandTablesTest : public ::testing::Test {
  protected:
    void SetUp() override { AddCommandTables(registry_); }

    // The row of a command the layouts name; a failure when there is none.
    const CommandInfo& Info(CommandId cmd) const {
        const CommandRegistry::Row* row = registry_.Find(cmd);
        if (row == nullptr) {
            ADD_FAILURE() << "no row for " << cmd.name;
            static const CommandInfo none{};
            return none;
        }
        return row->info;
    }

    CommandRegistry registry_;
};

// Every item a user can point at shows a prompt, and every button a tool tip.
TEST_F(CommandTablesTest, EveryMenuItemAndButtonHasItsTexts) {
    for (const auto kind : {MenuBarKind::kSingleFile, MenuBarKind::kComparison}) {
        for (const Menu& menu : MenuBar(kind)) {
            for (const CommandId cmd : menu.items) {
                if (cmd == Cmd::None || cmd == Cmd::FileRecent)
                    continue;
                EXPECT_FALSE(Info(cmd).menuText.empty()) << cmd.name;
                EXPECT_FALSE(Info(cmd).prompt.empty()) << cmd.name;
                EXPECT_FALSE(Info(cmd).toolTip.empty()) << cmd.name;
            }
        }
    }
    std::vector<Toolbar> bars(Toolbars().begin(), Toolbars().end());
    bars.push_back(CompareToolbar());
    for (const Toolbar& bar : bars) {
        for (const CommandId cmd : bar.buttons) {
            if (cmd != Cmd::None) {
                EXPECT_FALSE(Info(cmd).toolTip.empty()) << bar.title;
            }
        }
    }
    EXPECT_EQ(registry_.Find(Cmd::None), nullptr);
    EXPECT_EQ(registry_.Find(Cmd::FileRecent), nullptr);
    EXPECT_TRUE(Info(Cmd::Escape).toolTip.empty());
}

// The string table's texts are kept word for word, slips included.
TEST_F(CommandTablesTest, StringTableTextsAreKeptExactly) {
    struct Case {
        CommandId cmd;
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
        {Cmd::OpFindFirstDiff, "Find first different byte", "Find First Different Byte"},
        {Cmd::EditUndo, "Undo the last action", "Undo"},
        {Cmd::EditRedo, "Redo the previously undone action", "Redo"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Info(c.cmd).prompt, c.prompt);
        EXPECT_EQ(Info(c.cmd).toolTip, c.toolTip);
    }
}

// A command's text is its menu item's, also in the comparison window's menus;
// a key of its own has none.
TEST_F(CommandTablesTest, ACommandsTextIsItsMenuItem) {
    EXPECT_EQ(Info(Cmd::EditDeleteBytes).menuText, "&Delete Bytes...\tDel");
    EXPECT_EQ(Info(Cmd::FileSaveFile2).menuText, "Sa&ve File2");
    EXPECT_EQ(Info(Cmd::Escape).menuText, "");
}

// The keys of the accelerator table, in its order, each with its command;
// every key of a command is listed once.
TEST_F(CommandTablesTest, AcceleratorsKeepTheTableOrder) {
    const std::vector<Accelerator> keys = Accelerators(registry_);
    ASSERT_EQ(keys.size(), 34u);  // with F7 and Shift+F7 of the difference navigation
    EXPECT_EQ(keys[0].keys, "Ctrl+A");
    EXPECT_EQ(keys[0].cmd, Cmd::EditSelectAll);
    EXPECT_EQ(keys[2].keys, "Ctrl+C");
    EXPECT_EQ(keys[3].keys, "Ctrl+Ins");
    EXPECT_EQ(keys[3].cmd, Cmd::EditCopyBytes);
    // The table's keys end with Esc; the keys of the search panel follow.
    EXPECT_EQ(keys[31].keys, "Esc");
    EXPECT_EQ(keys.back().keys, "Shift+F3");
    std::set<std::string_view> distinct;
    for (const Accelerator& key : keys)
        EXPECT_TRUE(distinct.insert(key.keys).second) << key.keys;
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
    for (const CommandId cmd : bars[0].buttons) {
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
