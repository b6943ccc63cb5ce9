#include "app/recent_file_list.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

TEST(RecentFileListTest, KeepsTheNewestFourWithoutDuplicates) {
    RecentFileList list(4);
    for (const char* path : {"/a", "/b", "/c", "/d", "/e"})
        list.Add(path);
    EXPECT_EQ(list.entries(), (std::vector<std::string>{"/e", "/d", "/c", "/b"}));
    list.Add("/c");
    EXPECT_EQ(list.entries(), (std::vector<std::string>{"/c", "/e", "/d", "/b"}));
    list.Remove("/e");
    list.Add("");
    EXPECT_EQ(list.entries(), (std::vector<std::string>{"/c", "/d", "/b"}));
}

}  // namespace
}  // namespace orvel
