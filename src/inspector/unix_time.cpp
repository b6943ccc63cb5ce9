#include "inspector/unix_time.h"

#include <chrono>
#include <cstdio>

namespace orvel {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// The value of the `count` decimal digits at the start of `text`, which it
// consumes; nothing when they are not all there.
std::optional<int> TakeDigits(std::string_view& text, std::size_t count) {
    if (text.size() < count)
        return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(count);
    return value;
}

bool TakeChar(std::string_view& text, char c) {
    if (text.empty() || text.front() != c)
        return false;
    text.remove_prefix(1);
    return true;
}

}  // namespace

std::string UnixTimeText(std::int64_t seconds) {
    using namespace std::chrono;
    std::int64_t day = seconds / kSecondsPerDay;
    std::int64_t secondOfDay = seconds % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --day;
    }
    const year_month_day date{sys_days{days{day}}};
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d UTC",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(secondOfDay / 3600),
                  static_cast<int>(secondOfDay / 60 % 60), static_cast<int>(secondOfDay % 60));
    return text;
}

std::optional<std::int64_t> ParseUnixTime(std::string_view text) {
    using namespace std::chrono;
    const auto y = TakeDigits(text, 4);
    if (!y || !TakeChar(text, '-'))
        return std::nullopt;
    const auto m = TakeDigits(text, 2);
    if (!m || !TakeChar(text, '-'))
        return std::nullopt;
    const auto d = TakeDigits(text, 2);
    if (!d)
        return std::nullopt;
    int hour = 0, minute = 0, second = 0;
    if (!text.empty() && (text.front() == ' ' || text.front() == 'T') && text != " UTC") {
        text.remove_prefix(1);
        const auto h = TakeDigits(text, 2);
        if (!h || !TakeChar(text, ':'))
            return std::nullopt;
        const auto min = TakeDigits(text, 2);
        if (!min)
            return std::nullopt;
        hour = *h;
        minute = *min;
        if (TakeChar(text, ':')) {
            const auto s = TakeDigits(text, 2);
            if (!s)
                return std::nullopt;
            second = *s;
        }
    }
    if (!text.empty() && text != " UTC" && text != "Z")
        return std::nullopt;
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*m)},
                              day{static_cast<unsigned>(*d)}};
    if (!date.ok() || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    const std::int64_t days = sys_days{date}.time_since_epoch().count();
    return days * kSecondsPerDay + hour * 3600 + minute * 60 + second;
}

}  // namespace orvel
