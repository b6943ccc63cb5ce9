#include "ui/file_filter.h"

#include <vector>

namespace orvel {
namespace {

std::vector<std::string_view> SplitBars(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t bar = text.find('|'); bar != std::string_view::npos;
         bar = text.find('|', start)) {
        parts.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string DialogPatterns(std::string_view patterns) {
    std::string result;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        std::size_t end = patterns.find(';', start);
        if (end == std::string_view::npos)
            end = patterns.size();
        std::string_view pattern = patterns.substr(start, end - start);
        if (pattern == "*.*")
            pattern = "*";
        if (!pattern.empty()) {
            if (!result.empty())
                result += ' ';
            result += pattern;
        }
        start = end + 1;
    }
    return result;
}

}  // namespace

std::string DialogFilter(std::string_view pairs) {
    const std::vector<std::string_view> parts = SplitBars(pairs);
    std::string result;
    // An empty description ends the list (the "||" at its end).
    for (std::size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2) {
        std::string_view description = parts[i];
        const std::string_view patterns = parts[i + 1];
        // The description usually names its patterns already; they are
        // written again below in the dialog's form.
        const std::string named = " (" + std::string(patterns) + ")";
        if (description.size() > named.size() && description.ends_with(named))
            description.remove_suffix(named.size());
        if (!result.empty())
            result += ";;";
        result += std::string(description) + " (" + DialogPatterns(patterns) + ")";
    }
    return result;
}

std::string_view OpenDialogSuffix(std::string_view chosen, std::string_view suffix) {
    const std::size_t open = chosen.rfind('(');
    if (suffix.empty() || open == std::string_view::npos || !chosen.ends_with(')'))
        return {};
    const std::string_view patterns = chosen.substr(open + 1, chosen.size() - open - 2);
    const bool only = patterns.size() == suffix.size() + 2 && patterns.starts_with("*.") &&
                      patterns.substr(2) == suffix;
    return only ? suffix : std::string_view();
}

}  // namespace orvel
