#include "inspector/unix_time.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace orvel {
namespace {

TEST(UnixTimeTest, ShowsTheCalendarDateAndTimeInUtc) {
    const struct {
        std::int64_t seconds;
        std::string text;
    } rows[] = {
        {0, "1970-01-01 00:00:00 UTC"},
        {-1, "1969-12-31 23:59:59 UTC"},
        {-86400, "1969-12-31 00:00:00 UTC"},
        {-86401, "1969-12-30 23:59:59 UTC"},
        {951782400, "2000-02-29 00:00:00 UTC"},
        {-2077660801, "1904-02-29 23:59:59 UTC"},
        {1709296496, "2024-03-01 12:34:56 UTC"},
        {std::numeric_limits<std::int32_t>::max(), "2038-01-19 03:14:07 UTC"},
        {std::numeric_limits<std::int32_t>::min(), "1901-12-13 20:45:52 UTC"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(UnixTimeText(row.seconds), row.text) << row.seconds;
        EXPECT_EQ(ParseUnixTime(row.text), row.seconds) << row.text;
    }
}

TEST(UnixTimeTest, ReadsTheDateWithOrWithoutTheTime) {
    const struct {
        std::string_view text;
        std::int64_t seconds;
    } rows[] = {
        {"2024-03-01", 1709251200},
        {"2024-03-01 UTC", 1709251200},
        {"2024-03-01Z", 1709251200},
        {"2024-03-01 12:34", 1709296440},
        {"2024-03-01T12:34:56", 1709296496},
        {"2024-03-01T12:34:56Z", 1709296496},
        {"2024-03-01 12:34:56 UTC", 1709296496},
        {"2100-03-01 00:00:00", 4107542400},  // past 2038: the caller judges the range
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseUnixTime(row.text), row.seconds) << row.text;
}

TEST(UnixTimeTest, RefusesAnyOtherTextAndImpossibleDates) {
    for (const std::string_view text : {"",
                                        "2024",
                                        "2024-03",
                                        "2024-3-01",
                                        "2024-03-1",
                                        "02024-03-01",
                                        "2023-02-29",
                                        "1900-02-29",
                                        "2024-02-30",
                                        "2024-04-31",
                                        "2024-13-01",
                                        "2024-00-01",
                                        "2024-01-00",
                                        "2024-01-01 ",
                                        "2024-01-01T",
                                        "2024-01-01 1:00",
                                        "2024-01-01 12",
                                        "2024-01-01 12:",
                                        "2024-01-01 12:00:",
                                        "2024-01-01 12:00:0",
                                        "2024-01-01 24:00",
                                        "2024-01-01 23:60",
                                        "2024-01-01 23:59:60",
                                        "2024-01-01  12:00",
                                        "2024-01-01 12:00 utc",
                                        "2024-01-01UTC",
                                        "2024-01-01 12:00Z ",
                                        " 2024-01-01",
                                        "2024/01/01",
                                        "-024-01-01"}) {
        EXPECT_EQ(ParseUnixTime(text), std::nullopt) << text;
    }
}

TEST(UnixTimeTest, EveryThirtyTwoBitTimeReadsBackFromItsText) {
    using Limits = std::numeric_limits<std::int32_t>;
    for (std::int64_t s = Limits::min(); s <= Limits::max(); s += 999'983)
        ASSERT_EQ(ParseUnixTime(UnixTimeText(s)), s) << s;
}

}  // namespace
}  // namespace orvel
