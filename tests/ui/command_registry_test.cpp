#include "ui/command_registry.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace orvel {
namespace {

constexpr CommandId kSave{"Save"};
constexpr CommandId kMark{"Mark"};
constexpr CommandId kNew{"New"};
constexpr CommandId kOpen{"Open"};
constexpr CommandId kKeyOnly{"KeyOnly"};

// Links of a made-up route: a view, a document that may be busy, a frame.
struct View : CommandTarget {
    std::vector<std::string> log;
};

struct Document : DocumentTarget {
    bool busy = false;     // any worker, its file job too
    bool running = false;  // a marking run or a comparison
    bool comparing = false;
    std::vector<std::string> log;
    bool IsBusy() const override { return busy; }
    bool IsMarkingOrComparing() const override { return running; }
    bool IsComparing() const override { return comparing; }
};

struct Frame : CommandTarget {
    std::vector<std::string> log;
};

constexpr CommandInfo kTable[] = {
    {kSave, "&Save", "Save it", "Save", {}, Waits::kWhileBusy},
    {kMark, "&Mark", "Mark it", "Mark", {}, Waits::kWhileComparing},
    {kNew, "&New", "New one", "New", {"Ctrl+N"}},
    {kOpen, "&Open", "Open one", "Open", {}, Waits::kWhileMarkingOrComparing},
    {kKeyOnly, "", "", "", {"F3"}},
};

class CommandRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registry_.Add(kTable);
        registry_.Bind(kSave, On<Document>([](Document& doc) { doc.log.push_back("save"); }));
        registry_.Bind(kMark, On<View>([](View& view) { view.log.push_back("mark"); },
                                       [](View& view, CommandState& state) {
                                           state.checked = !view.log.empty();
                                       }));
        registry_.Bind(kNew, On<Frame>([](Frame& frame) { frame.log.push_back("new"); }));
        registry_.Bind(kOpen, On<Frame>([](Frame& frame) { frame.log.push_back("open"); }));
    }

    CommandRoute Route() { return {&view_, &document_, &frame_}; }

    CommandRegistry registry_;
    View view_;
    Document document_;
    Frame frame_;
};

TEST_F(CommandRegistryTest, RowsKeepTheirTableOrderAndData) {
    ASSERT_EQ(registry_.rows().size(), 5u);
    EXPECT_EQ(registry_.rows()[0].info.id, kSave);
    EXPECT_EQ(registry_.rows()[4].info.id, kKeyOnly);
    ASSERT_NE(registry_.Find(kNew), nullptr);
    EXPECT_EQ(registry_.Find(kNew)->info.keys[0], "Ctrl+N");
    EXPECT_EQ(registry_.Find(CommandId{"Unknown"}), nullptr);
}

// Each command goes to the first link of its handler's type, wherever it is
// on the route.
TEST_F(CommandRegistryTest, ACommandRunsOnTheLinkOfItsType) {
    EXPECT_TRUE(registry_.Run(kSave, Route()));
    EXPECT_TRUE(registry_.Run(kNew, Route()));
    EXPECT_TRUE(registry_.Run(kMark, Route()));
    EXPECT_EQ(document_.log, std::vector<std::string>{"save"});
    EXPECT_EQ(frame_.log, std::vector<std::string>{"new"});
    EXPECT_EQ(view_.log, std::vector<std::string>{"mark"});

    // Of two links of a type the first one takes it.
    Frame second;
    const CommandRoute twoFrames{&frame_, &second};
    EXPECT_TRUE(registry_.Run(kNew, twoFrames));
    EXPECT_EQ(frame_.log.size(), 2u);
    EXPECT_TRUE(second.log.empty());
}

// Without a link of its type, without a handler or unknown, a command is
// unavailable and running it does nothing.
TEST_F(CommandRegistryTest, ACommandNoLinkTakesIsUnavailable) {
    const CommandRoute frameOnly{&frame_};
    EXPECT_EQ(registry_.State(kSave, frameOnly).enabled, false);
    EXPECT_FALSE(registry_.Run(kSave, frameOnly));
    EXPECT_TRUE(registry_.State(kNew, frameOnly).enabled);
    EXPECT_FALSE(registry_.State(kKeyOnly, Route()).enabled);
    EXPECT_FALSE(registry_.Run(kKeyOnly, Route()));
    EXPECT_FALSE(registry_.State(CommandId{"Unknown"}, Route()).enabled);
    EXPECT_FALSE(registry_.Run(CommandId{"Unknown"}, Route()));
}

// The waiting rules hold a command back whatever its handler says, and only
// while the route has a document that is busy (or comparing).
TEST_F(CommandRegistryTest, CommandsWaitForTheDocument) {
    struct Case {
        bool busy;       // a file job, say
        bool running;    // a marking run
        bool comparing;  // a comparison
        bool save;       // waits while busy
        bool open;       // waits while marking or comparing
        bool mark;       // waits while comparing
        bool make;       // never waits
    };
    const Case cases[] = {
        {false, false, false, true, true, true, true},
        {true, false, false, false, true, true, true},
        {true, true, false, false, false, true, true},
        {true, true, true, false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.busy << c.running << c.comparing);
        document_.busy = c.busy;
        document_.running = c.running;
        document_.comparing = c.comparing;
        EXPECT_EQ(registry_.State(kSave, Route()).enabled, c.save);
        EXPECT_EQ(registry_.State(kOpen, Route()).enabled, c.open);
        EXPECT_EQ(registry_.State(kMark, Route()).enabled, c.mark);
        EXPECT_EQ(registry_.State(kNew, Route()).enabled, c.make);
    }
    // A waiting command does not run, and shows unchecked.
    view_.log.push_back("earlier");
    EXPECT_TRUE(registry_.State(kMark, {&view_}).checked);
    EXPECT_FALSE(registry_.State(kMark, Route()).checked);
    EXPECT_FALSE(registry_.Run(kSave, Route()));
    EXPECT_FALSE(registry_.Run(kMark, Route()));
    EXPECT_TRUE(document_.log.empty());
    EXPECT_EQ(view_.log.size(), 1u);
    // Without a document on the route nothing waits.
    EXPECT_TRUE(registry_.Run(kMark, {&view_, &frame_}));
}

TEST_F(CommandRegistryTest, EachIdHasOneRowAndOneHandler) {
    const CommandInfo again[] = {{kSave, "&Save again", "", ""}};
    EXPECT_THROW(registry_.Add(again), std::logic_error);
    EXPECT_EQ(registry_.Find(kSave)->info.menuText, "&Save");
    EXPECT_THROW(registry_.Bind(kNew, On<Frame>([](Frame&) {})), std::logic_error);
    EXPECT_THROW(registry_.Bind(CommandId{"Unknown"}, On<Frame>([](Frame&) {})), std::logic_error);
}

}  // namespace
}  // namespace orvel
